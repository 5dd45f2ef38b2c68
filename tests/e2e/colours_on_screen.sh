# The colours of both windows as the screen shows them: the design's
# colours, black type, transparent pictures, and the Windows look of etched
# frames, sunken boxes and raised buttons. Points are in pixels from the
# top-left corner of the client area, as form1.ui and form2.ui lay out the
# controls. Sourced by tst_end_to_end.sh.

readonly WINDOW_COLOUR=c0ffff RESULT_COLOUR=ffe0c0
# Pixel tests for count_pixels.
readonly INK='r < 64 && g < 64 && b < 64'
readonly ICON_RED='r >= 200 && g <= 60 && b <= 60'
readonly GLYPH='r == 126 && g == 4 && b == 104'
readonly SEE_THROUGH='r == 192 && g == 255 && b == 255'

# The red byte of the colour at the point, for comparing greys.
red_at() {
    local colour
    colour=$(colour_at "$@") && echo $((16#${colour:0:2}))
}

# "etched" when the point is on a grey line that has a white one on its
# right, else the two colours.
etching_at() {
    local line highlight
    line=$(colour_at "$1" "$2" "$3") && highlight=$(colour_at "$1" $(($2 + 1)) "$3") || return
    if [[ ${line:0:2} == "${line:2:2}" && ${line:2:2} == "${line:4:2}" ]] &&
        ((16#${line:0:2} < 16#c0)) && [[ $highlight == ffffff ]]; then
        echo etched
    else
        echo "$line beside $highlight"
    fi
}

# "sunken" when the left edge at the point is darker than the right edge
# at the second point, "raised" when lighter.
relief_between() {
    local left right
    left=$(red_at "$1" "$2" "$3") && right=$(red_at "$1" "$4" "$3") || return
    if ((left < right)); then echo sunken; elif ((left > right)); then echo raised; else echo flat; fi
}

colours_on_screen() {
    start_vondrel
    # The pointer stays off the windows.
    xdotool mousemove 0 0
    local point
    for point in "8 60" "300 130" "450 4"; do
        expect_eventually "window background at $point" "$WINDOW_COLOUR" colour_at "$FORM1" $point
    done
    expect_eventually "Frame1's background" "$WINDOW_COLOUR" colour_at "$FORM1" 216 40
    expect_eventually "Frame2's background" "$WINDOW_COLOUR" colour_at "$FORM1" 330 100
    expect_eventually "Frame1's edge is etched" etched etching_at "$FORM1" 16 40
    expect_eventually "Frame2's edge is etched" etched etching_at "$FORM1" 16 94
    expect_pixels "the result box is empty at the start" 'n == 0' "$FORM1" 202 85 77 19 \
        '!(r == 255 && g == 224 && b == 192)'
    expect_eventually "the input boxes keep the system's white" ffffff colour_at "$FORM1" 100 36
    expect_eventually "Text1 is sunken" sunken relief_between "$FORM1" 96 36 184
    expect_eventually "Calculate is raised" raised relief_between "$FORM1" 16 156 104

    expect_pixels "Label4 is written in black" 'n > 0' "$FORM1" 24 32 24 12 "$INK"
    expect_pixels "Label4 lets the frame's colour through" 'n > 0' "$FORM1" 24 32 24 12 "$SEE_THROUGH"
    expect_pixels "Image1 holds only its glyph and transparency" 'n == 0' "$FORM1" 56 24 30 30 \
        "!($GLYPH) && !($SEE_THROUGH)"
    # Image2 and Image3 reach under the labels beside them; their left parts
    # hold the glyphs.
    local picture x y name
    for picture in "56 24 Image1" "304 24 Image2" "112 80 Image3"; do
        read -r x y name <<<"$picture"
        expect_pixels "$name shows its glyph" 'n > 0' "$FORM1" "$x" "$y" 24 30 "$GLYPH"
    done
    expect_pixels "the unit line is on a yellow bar" '2 * n >= 259 * 19' "$FORM1" 16 120 259 19 \
        'r >= 200 && g >= 200 && b <= 80'

    type_into "$FORM1" "${TEXT1[@]}" 1000
    type_into "$FORM1" "${TEXT2[@]}" 0.02
    click_at "$FORM1" "${CALCULATE[@]}"
    xdotool mousemove 0 0
    expect_pixels "the result is written in black" 'n > 0' "$FORM1" 202 85 77 19 "$INK"
    expect_eventually "the result box keeps its colour" "$RESULT_COLOUR" colour_at "$FORM1" 270 94

    click_at "$FORM1" "${PRINCIPLE[@]}"
    local form2
    form2=$(wait_for_window '^Form2$' "$APP_PID") || fail "the principle button opens Form2" "no Form2 within the deadline"
    xdotool mousemove 0 0
    expect_pixels "Form2's picture is on white" '4 * n >= 3 * FORM2_WIDTH * FORM2_HEIGHT' "$form2" 0 0 "$FORM2_WIDTH" "$FORM2_HEIGHT" \
        'r >= 240 && g >= 240 && b >= 240'
    expect_pixels "Form2's heading is blue" 'n > 0' "$form2" 0 0 "$FORM2_WIDTH" 30 'b >= 160 && r <= 110 && g <= 110'
}

# GNOME's dark theme, through Qt's GTK platform theme, changes none of the
# colours, nor those of a message box.
colours_in_a_dark_desktop_theme() {
    export QT_QPA_PLATFORMTHEME=gtk3 GTK_THEME=Adwaita:dark
    colours_on_screen
    "$SEND_CLOSE_REQUEST" "$(shown_windows '^Form2$' "$APP_PID")" || fail "Form2 closes" "the request was not sent"
    expect_that "Form2 closes" poll no_shown_window '^Form2$' "$APP_PID"
    type_into "$FORM1" "${TEXT1[@]}" ''
    click_at "$FORM1" "${CALCULATE[@]}"
    expect_message_box "incomplete input opens a box"
    local width height
    read -r _ _ width height < <(client_geometry "$BOX")
    expect_pixels "the box is light" '4 * n >= 3 * width * height' "$BOX" 0 0 "$width" "$height" \
        'r >= 200 && g >= 200 && b >= 200'
    expect_pixels "the box's text is black" 'n > 0' "$BOX" 0 0 "$width" "$height" "$INK"
}
