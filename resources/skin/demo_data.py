"""The data files of a demo installation: the name list and the configuration
file with the built-in defaults."""
import os

# About thirty names for demonstrations; GBK text with CR LF line ends.
DEMO_NAMES = [
    "张伟", "王芳", "李娜", "刘洋", "陈静", "杨磊", "赵敏", "黄强", "周杰", "吴霞",
    "徐明", "孙丽", "胡斌", "朱婷", "高飞", "林峰", "何雪", "郭涛", "马超", "罗琳",
    "梁宇", "宋佳", "郑凯", "谢欣", "韩冰", "唐亮", "冯晓", "于洁", "董鹏", "程诺",
]

# Every key of the configuration file with the value the programs use when
# the file is missing, in the order the draw program reads them.
DEFAULT_CONFIG = [
    ("Form", [("caption", "Ravelo"), ("text", "开始啦"), ("bgpic", "0"), ("brmic", "0"),
              ("smc", "1"), ("top", "0")]),
    ("Color", [("caption", "255"), ("text", "16744576")]),
    ("Time", [("time", "10")]),
    ("Style", [("width", "600"), ("height", "450"), ("form", "8388672"), ("caption", "16777215"),
               ("captiontop", "0"), ("captionleft", "0"), ("texttop", "0"), ("textleft", "0")]),
    ("Caption", [("fontname", "宋体"), ("fontsize", "26"), ("fontbold", "1"), ("fontitalic", "0")]),
    ("Text", [("fontname", "宋体"), ("fontsize", "72"), ("fontbold", "0"), ("fontitalic", "0")]),
]


def config_text():
    lines = []
    for section, keys in DEFAULT_CONFIG:
        lines.append(f"[{section}]")
        lines += [f"{k}={v}" for k, v in keys]
    return "\r\n".join(lines) + "\r\n"


def write_installation(stage):
    common = os.path.join(stage, "common")
    with open(os.path.join(stage, "name.txt"), "wb") as f:
        f.write(("\r\n".join(DEMO_NAMES) + "\r\n").encode("gbk"))
    with open(os.path.join(common, "rvoconfig.rcf"), "wb") as f:
        f.write(config_text().encode("gbk"))
