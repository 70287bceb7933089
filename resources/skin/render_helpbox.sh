#!/usr/bin/env bash
# Renders rendered/helpbox.bmp, the help picture of the draw window (shipped
# as common\helpbox.pte). Needs ImageMagick and fonts-wqy-zenhei; the result
# is committed so that building needs neither. Run again after editing.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")"
font=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
convert -size 250x192 gradient:'#fffbe6-#ffeec2' \
  -fill none -stroke '#c8a050' -draw 'rectangle 0,0 249,191' -stroke none \
  -font "$font" -fill '#5a3a00' -pointsize 13 -annotate +10+18 '操作帮助' \
  -fill '#333333' -pointsize 12 \
  -annotate +10+36 'Enter  开始抽签' -annotate +140+36 '空格  停止抽签' \
  -annotate +10+54 '数字1  刷新名单和配置' \
  -annotate +10+72 '数字2  打开配置程序' -annotate +140+72 'Esc  退出' \
  -fill '#5a3a00' -annotate +10+92 '全屏与演示遥控器' -fill '#333333' \
  -annotate +10+110 'PgDn PgUp ← → ↑ ↓  开始或停止' \
  -annotate +10+128 'F11  全屏显示或还原' -annotate +140+128 'F5  全屏' \
  -annotate +10+146 'Shift+F5 或全屏时 Esc  退出全屏' \
  -annotate +10+164 'B 或 .  黑屏，再按恢复' \
  -fill '#8a6a30' -pointsize 11 -annotate +10+184 '右击边框打开菜单 · 单击本图关闭' \
  -type TrueColor BMP3:rendered/helpbox.bmp
