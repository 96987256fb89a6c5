#!/usr/bin/env python3
"""Redraws the toolbar pictures, the window icon and the desktop's icons (a scalable SVG and PNGs
of 16 to 256 pixels) with ImageMagick's convert.

The pictures are committed; the build does not run this."""
import os
import shlex
import subprocess

FOLDER = ("-fill #f2c94c -stroke #9a7420 -strokewidth 1 "
          "-draw 'path \"M 2.5,6.5 L 9.5,6.5 L 11.5,8.5 L 21.5,8.5 L 21.5,20.5 L 2.5,20.5 Z\"' "
          "-fill #f7dc83 -draw 'rectangle 3,10 21,20'")
SHEET = ("-fill white -stroke #5a6b7d -strokewidth 1 "
         "-draw 'path \"M 4.5,2.5 L 14.5,2.5 L 19.5,7.5 L 19.5,21.5 L 4.5,21.5 Z\"' "
         "-stroke #9db0c4 -draw 'line 7,9 16,9' -draw 'line 7,12 16,12' -draw 'line 7,15 13,15'")
PLUS = ("-stroke none -fill #2e9e44 -draw 'circle 17,17 17,11' -fill white "
        "-draw 'rectangle 16,13 18,21' -draw 'rectangle 13,16 21,18'")
CROSS = ("-stroke none -fill #d83a3a -draw 'circle 17,17 17,11' -stroke white -strokewidth 2 "
         "-draw 'line 14,14 20,20' -draw 'line 20,14 14,20'")
PENCIL = ("-stroke #2a4f8f -strokewidth 1 -fill #4f86d9 -draw 'polygon 12,21 14,16 21,9 23,11 16,18' "
          "-fill #f4d9a8 -draw 'polygon 12,21 14,16 16,18'")

PICTURES = {
    "tbNewCat": FOLDER + " " + PLUS,
    "tbEditCat": FOLDER + " " + PENCIL,
    "tbDeleteCat": FOLDER + " " + CROSS,
    "tbNewItem": SHEET + " " + PLUS,
    "tbDeleteItem": SHEET + " " + CROSS,
    "tbSpecial": ("-fill #ffc933 -stroke #b07d00 -strokewidth 1 -draw 'polygon 12,1.5 14.9,8.6 "
                  "22.5,9.2 16.7,14.1 18.5,21.6 12,17.6 5.5,21.6 7.3,14.1 1.5,9.2 9.1,8.6'"),
    "tbMakeList": ("-fill #b5473a -stroke #6e2a22 -strokewidth 1 -draw 'rectangle 4.5,2.5 19.5,21.5' "
                   "-fill #f7efe0 -stroke #c9b99a -draw 'rectangle 7.5,5.5 17.5,18.5' "
                   "-stroke #8a7a5a -draw 'line 9,8 16,8' -draw 'line 9,11 16,11' "
                   "-draw 'line 9,14 14,14' -stroke none -fill #6e2a22 -draw 'rectangle 4,2 6,21'"),
    "tbPrint": ("-fill white -stroke #5a6b7d -strokewidth 1 -draw 'rectangle 6.5,2.5 17.5,9.5' "
                "-fill #8c99a6 -stroke #4a5561 -draw 'roundrectangle 1.5,8.5 22.5,17.5 2,2' "
                "-fill white -stroke #5a6b7d -draw 'rectangle 6.5,14.5 17.5,21.5' "
                "-stroke #9db0c4 -draw 'line 8,17 16,17' -draw 'line 8,19 14,19' "
                "-stroke none -fill #5fd35f -draw 'circle 19,11 19,10'"),
    "tbClear": ("-stroke #7a3f52 -strokewidth 1 -fill #f29bb5 "
                "-draw 'polygon 10.5,5.5 20.5,15.5 14.5,21.5 4.5,11.5' "
                "-fill #4f86d9 -stroke #2a4f8f -draw 'polygon 4.5,11.5 14.5,21.5 11.5,21.5 2.5,13.5' "
                "-stroke #5a6b7d -draw 'line 12,22 22,22'"),
}

ICON = ("-fill #ffffff -stroke #44546a -strokewidth 1 "
        "-draw 'path \"M 7.5,1.5 L 21.5,1.5 L 26.5,6.5 L 26.5,30.5 L 7.5,30.5 Z\"' "
        "-fill none -draw 'rectangle 10.5,8.5 13.5,11.5' -draw 'rectangle 10.5,15.5 13.5,18.5' "
        "-draw 'rectangle 10.5,22.5 13.5,25.5' -stroke #2e9e44 -strokewidth 2 "
        "-draw 'line 11,10 12.5,12' -draw 'line 12.5,12 16,6' -draw 'line 11,17 12.5,19' "
        "-draw 'line 12.5,19 16,13' -stroke #8896a8 -strokewidth 1 -draw 'line 16,10 23,10' "
        "-draw 'line 16,17 23,17' -draw 'line 16,24 23,24'")

# The splash form's product picture: a shopping basket with Today's List on it.
SPLASH = ("-fill #f2c94c -stroke #9a7420 -strokewidth 3 "
          "-draw 'polygon 14,58 114,58 102,116 26,116' "
          "-stroke #9a7420 -strokewidth 2 -draw 'line 34,66 40,108' -draw 'line 54,66 56,108' "
          "-draw 'line 74,66 72,108' -draw 'line 94,66 88,108' "
          "-fill none -stroke #7a5a18 -strokewidth 5 -draw 'arc 30,14 98,102 180,360' "
          "-fill #d83a3a -stroke #8e2222 -strokewidth 2 -draw 'circle 40,52 40,38' "
          "-fill #2e9e44 -stroke #1d6b2d -draw 'ellipse 62,46 9,16 0,360' "
          "-fill #ffffff -stroke #44546a -strokewidth 2 "
          "-draw 'path \"M 72,20 L 104,20 L 112,28 L 112,74 L 72,74 Z\"' "
          "-stroke #2e9e44 -strokewidth 3 -draw 'line 78,34 82,39' -draw 'line 82,39 88,29' "
          "-draw 'line 78,50 82,55' -draw 'line 82,55 88,45' "
          "-stroke #8896a8 -strokewidth 2 -draw 'line 92,34 106,34' -draw 'line 92,50 106,50' "
          "-draw 'line 80,64 106,64'")


# The desktop's icon: the window icon's checklist, drawn to scale.
APP_ID = "example.brindlecove.Vittlo"
SVG = """<?xml version="1.0" encoding="UTF-8"?>
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">
  <path d="M 7.5,1.5 L 21.5,1.5 L 26.5,6.5 L 26.5,30.5 L 7.5,30.5 Z" fill="#ffffff"
        stroke="#44546a" stroke-width="1" stroke-linejoin="round"/>
  <path d="M 21.5,1.5 L 21.5,6.5 L 26.5,6.5" fill="#dfe5ec" stroke="#44546a" stroke-width="1"
        stroke-linejoin="round"/>
  <g fill="none" stroke="#44546a" stroke-width="1">
    <rect x="10.5" y="8.5" width="3" height="3"/>
    <rect x="10.5" y="15.5" width="3" height="3"/>
    <rect x="10.5" y="22.5" width="3" height="3"/>
  </g>
  <g fill="none" stroke="#2e9e44" stroke-width="2" stroke-linecap="round" stroke-linejoin="round">
    <path d="M 11,10 L 12.5,12 L 16,6"/>
    <path d="M 11,17 L 12.5,19 L 16,13"/>
  </g>
  <g stroke="#8896a8" stroke-width="1" stroke-linecap="round">
    <line x1="16.5" y1="10" x2="23" y2="10"/>
    <line x1="16.5" y1="17" x2="23" y2="17"/>
    <line x1="16.5" y1="24" x2="23" y2="24"/>
  </g>
</svg>
"""


def draw(size, commands, target):
    subprocess.run(["convert", "-size", size, "xc:none", *shlex.split(commands), target], check=True)


os.chdir(os.path.dirname(os.path.abspath(__file__)))
for key, commands in PICTURES.items():
    draw("24x24", commands, f"PNG32:{key}.png")
draw("32x32", ICON + " -colors 16", "PNG8:vittlo.png")
draw("128x128", SPLASH, "PNG32:splash.png")
with open(f"{APP_ID}.svg", "w") as svg:
    svg.write(SVG)
for pixels in (16, 32, 48, 64, 128, 256):
    subprocess.run(["convert", "-background", "none", "-density", str(pixels * 72 // 32 * 4),
                    f"{APP_ID}.svg", "-resize", f"{pixels}x{pixels}",
                    f"PNG32:{APP_ID}-{pixels}.png"], check=True)
