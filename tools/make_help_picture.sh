#!/usr/bin/env bash
# Draws the help picture, ui/help.jpg: a browser window showing a song page of the music
# service, with the song ID in the address bar framed in red and pointed at by two red
# arrows. Everything is drawn here from shapes and text; nothing is taken from elsewhere.
# The result is a 1425x982 progressive JPEG (JFIF, 96 dpi). Needs ImageMagick and the
# DejaVu and WenQuanYi Micro Hei fonts.
set -euo pipefail
out=${1:-"$(dirname "$0")/../ui/help.jpg"}
latin=/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf
latin_bold=/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf
cjk=/usr/share/fonts/truetype/wqy/wqy-microhei.ttc

# Address bar text and the place of the "id=864443401" part within it.
url_head="https://music.163.com/#/song?"
url_id="id=864443401"
url_size=19
url_x=196 url_y=76
width_of() { convert -font "$latin" -pointsize "$url_size" label:"$1" -format %w info:; }
id_left=$((url_x + $(width_of "$url_head")))
id_right=$((id_left + $(width_of "$url_id") + 8))
frame="rectangle $((id_left - 2)),$((url_y - 22)) $id_right,$((url_y + 8))"
mid_y=$((url_y - 7))

# An arrow from (x1,y1) to the head at (x2,y2), as a thick line and a filled head.
arrow() {
    python3 - "$@" <<'PY'
import math, sys
x1, y1, x2, y2 = map(float, sys.argv[1:5])
a = math.atan2(y2 - y1, x2 - x1)
L, W = 30, 15
bx, by = x2 - L * math.cos(a), y2 - L * math.sin(a)
px, py = -math.sin(a) * W, math.cos(a) * W
print(f"line {x1:.0f},{y1:.0f} {bx:.0f},{by:.0f} "
      f"polygon {x2:.0f},{y2:.0f} {bx+px:.0f},{by+py:.0f} {bx-px:.0f},{by-py:.0f}")
PY
}
arrow_right=$(arrow $((id_right + 330)) $mid_y $((id_right + 12)) $mid_y)
arrow_left=$(arrow 120 330 $((id_left + 40)) $((url_y + 16)))

lyrics=("第一行歌词：清晨的风吹过窗台" "第二行歌词：我们沿着河岸慢慢走" "第三行歌词：远处的灯一盏一盏亮起"
        "第四行歌词：把今天唱成一首歌" "第五行歌词：明天再把它轻轻哼起")
lyric_draw=()
for i in "${!lyrics[@]}"; do
    lyric_draw+=(-draw "text 560,$((520 + i * 40)) '${lyrics[$i]}'")
done

convert -size 1425x982 xc:'#f5f5f5' \
    `# browser: tab strip, one tab, toolbar with buttons and the address field` \
    -fill '#dfe1e5' -draw 'rectangle 0,0 1424,40' \
    -fill '#ffffff' -draw 'roundrectangle 12,6 300,48 10,10' \
    -fill '#c8281e' -draw 'circle 34,24 34,31' \
    -font "$cjk" -pointsize 15 -fill '#333333' -draw "text 50,30 '示例歌曲 - 网易云音乐'" \
    -fill '#ffffff' -draw 'rectangle 0,40 1424,96' \
    -stroke '#5f6368' -strokewidth 3 -fill none \
    -draw 'line 28,68 44,68' -draw 'line 28,68 36,60' -draw 'line 28,68 36,76' \
    -draw 'line 72,68 88,68' -draw 'line 88,68 80,60' -draw 'line 88,68 80,76' \
    -draw 'arc 112,56 136,80 30,330' -draw 'line 136,58 136,66' \
    -stroke none -fill '#f1f3f4' -draw 'roundrectangle 160,50 1400,88 19,19' \
    -fill '#5f6368' -draw 'circle 180,69 180,74' \
    -font "$latin" -pointsize $url_size -fill '#202124' -draw "text $url_x,$url_y '$url_head$url_id'" \
    -fill '#dadce0' -draw 'rectangle 0,96 1424,97' \
    `# the page: dark navigation bar` \
    -fill '#242424' -draw 'rectangle 0,98 1424,168' \
    -fill '#c8281e' -draw 'roundrectangle 150,114 186,150 8,8' \
    -fill '#ffffff' -draw 'ellipse 163,140 6,5 0,360' -draw 'rectangle 167,120 170,140' \
    -font "$cjk" -pointsize 18 -fill '#ffffff' -draw "text 200,141 '网易云音乐'" \
    -fill '#cccccc' -draw "text 360,141 '发现音乐'" -draw "text 470,141 '我的音乐'" \
    -draw "text 580,141 '关注'" -draw "text 650,141 '商城'" \
    -fill '#ffffff' -draw 'roundrectangle 900,118 1120,148 15,15' \
    -fill '#999999' -pointsize 14 -draw "text 925,139 '搜索音乐、歌手'" \
    -fill '#c20c0c' -draw 'rectangle 0,168 1424,173' \
    `# song card: cover, title, singer, album, buttons` \
    -fill '#ffffff' -stroke '#d3d3d3' -strokewidth 1 -draw 'rectangle 150,190 1275,960' -stroke none \
    -fill '#3a3a3a' -draw 'roundrectangle 190,230 460,500 6,6' \
    -fill '#555555' -draw 'circle 325,365 325,260' -fill '#3a3a3a' -draw 'circle 325,365 325,330' \
    -fill '#c8281e' -draw 'circle 325,365 325,348' \
    -fill '#c20c0c' -draw 'roundrectangle 500,232 548,256 4,4' \
    -font "$cjk" -pointsize 15 -fill '#ffffff' -draw "text 509,250 '单曲'" \
    -pointsize 30 -fill '#333333' -draw "text 562,256 '示例歌曲'" \
    -pointsize 16 -fill '#666666' -draw "text 500,300 '歌手：示例歌手'" \
    -draw "text 500,332 '所属专辑：示例专辑'" \
    -fill '#2c79c9' -draw 'roundrectangle 500,360 600,392 4,4' \
    -fill '#ffffff' -draw "text 530,382 '播放'" \
    -fill '#ffffff' -stroke '#c3c3c3' -draw 'roundrectangle 612,360 700,392 4,4' \
    -draw 'roundrectangle 712,360 800,392 4,4' -draw 'roundrectangle 812,360 900,392 4,4' \
    -stroke none -fill '#333333' -draw "text 636,382 '收藏'" -draw "text 736,382 '分享'" \
    -draw "text 836,382 '下载'" \
    -pointsize 16 -fill '#333333' "${lyric_draw[@]}" \
    -fill '#e1e1e1' -draw 'rectangle 190,760 1235,761' \
    -pointsize 20 -fill '#333333' -draw "text 190,800 '评论'" \
    -pointsize 15 -fill '#666666' -draw "text 190,840 '这里是评论区。'" \
    `# the marks: a red frame around the ID and two red arrows` \
    -fill none -stroke '#e60012' -strokewidth 4 -draw "$frame" \
    -fill '#e60012' -strokewidth 6 -draw "$arrow_right" -draw "$arrow_left" \
    -strip -colorspace sRGB -type TrueColor -density 96 -units PixelsPerInch \
    -interlace JPEG -quality 95 -sampling-factor 2x2 "$out"
identify -format '%w x %h, %[interlace], %b\n' "$out"
