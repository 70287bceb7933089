#!/usr/bin/env bash
# Renders rendered/<name>.bmp, the picture buttons of the configuration
# program (shipped as common\<name>.pte): OK, cancel, defaults and save, each
# in its normal and its hover (m...) form. Needs ImageMagick and
# fonts-wqy-zenhei; the results are committed so that building needs
# neither. Run again after editing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
button() {  # file top bottom rim label
  convert -size 58x22 gradient:"$2-$3" \
    -fill none -stroke "$4" -draw 'roundrectangle 0,0 57,21 4,4' -stroke none \
    -font "$font" -pointsize 12 -fill white -gravity center -annotate +0+0 "$5" \
    -type TrueColor BMP3:"rendered/$1.bmp"
}
button enter '#5b9be6' '#2f6fc4' '#25589c' '确定'
button menter '#7db4f2' '#4a88da' '#2f6fc4' '确定'
button cancel '#a4abb6' '#7b8391' '#646b78' '取消'
button mcancel '#bcc2cb' '#939aa7' '#7b8391' '取消'
button mor '#6fbf73' '#3f9a48' '#357f3c' '默认'
button mmor '#8fd293' '#58b060' '#3f9a48' '默认'
button save '#5b9be6' '#2f6fc4' '#25589c' '保存'
button msave '#7db4f2' '#4a88da' '#2f6fc4' '保存'
