"""Reads the windows' .ui designs as both the Windows program and the web
page build them: each control with its kind, caption, place in the
window's client area, font, background, tab stop and picture. Qt Designer
stays the one place where a window is drawn.

A design that cannot be built as Qt builds it raises a Refusal, whose
message names the file, the widget and what cannot be translated.
"""

import re
import xml.etree.ElementTree as ElementTree
from collections import namedtuple
from pathlib import Path

KINDS = {
    "QGroupBox": "Frame",
    "QLabel": "Label",
    "vondrel::host::Picture": "Picture",
    "vondrel::host::TextBox": "TextBox",
    "QPushButton": "Button",
}
FOCUSABLE = {"TextBox", "Button"}
STYLE_FONT = re.compile(r'font:\s*(bold\s+)?(\d+(?:\.\d+)?)pt\s+"([^"]+)"')

Font = namedtuple("Font", "face tenthsOfPoint bold")


class Refusal(Exception):
    pass


class Widget:
    """One <widget> of a design, and how to refuse it."""

    def __init__(self, path, element):
        self.path, self.element = path, element
        self.name, self.cls = element.get("name"), element.get("class")

    def refuse(self, reason):
        raise Refusal(f"{self.path}: widget {self.name} ({self.cls}): {reason}")

    def prop(self, name):
        return self.element.find(f"property[@name='{name}']")

    def string(self, name):
        element = self.prop(name)
        return "" if element is None else text(element.find("string"))

    def flag(self, name):
        element = self.prop(name)
        return element is not None and text(element.find("bool")) == "true"

    def number(self, element, what, low=None, high=None):
        value = text(element).strip()
        if not re.fullmatch(r"-?\d+", value) or (low is not None and int(value) < low) \
                or (high is not None and int(value) > high):
            bounds = f" from {low} to {high}" if high is not None else f" of at least {low}" if low is not None else ""
            self.refuse(f"{what} '{value}' is not a whole number{bounds}")
        return int(value)

    def geometry(self):
        rect = self.element.find("property[@name='geometry']/rect")
        if rect is None:
            self.refuse("no geometry: the Windows controls are placed by it, not by layouts")
        return (self.number(rect.find("x"), "geometry x"), self.number(rect.find("y"), "geometry y"),
                self.number(rect.find("width"), "geometry width", 0),
                self.number(rect.find("height"), "geometry height", 0))

    def colour(self, role):
        """The colour of the role in the active palette, if the design gives one."""
        colour = self.element.find(f"property[@name='palette']/palette/active/colorrole[@role='{role}']/brush/color")
        if colour is None:
            return None
        return tuple(self.number(colour.find(c), f"palette {role} {c}", 0, 255) for c in ("red", "green", "blue"))

    def style_font(self):
        """The font that the widget's style sheet sets, the only rule translated."""
        style = self.string("styleSheet")
        rules = [rule.strip() for rule in style.split(";") if rule.strip()]
        for rule in rules:
            if not STYLE_FONT.fullmatch(rule):
                self.refuse(f"style sheet rule '{rule}': only font: [bold] <size>pt \"<family>\" is translated")
        if not rules:
            return None
        bold, size, face = STYLE_FONT.fullmatch(rules[-1]).groups()
        if round(float(size) * 10) < 1:
            self.refuse(f"style sheet font size {size}pt: too small to show")
        return Font(face, round(float(size) * 10), bool(bold))

    def font(self, inherited):
        """The font property resolved against the parent's font as Qt does:
        each field that the design sets replaces the parent's."""
        element = self.element.find("property[@name='font']/font")
        if element is None:
            return inherited
        face, tenths, bold = inherited
        if element.find("family") is not None:
            face = text(element.find("family"))
            if not face:
                self.refuse("font family is empty")
        if element.find("pointsize") is not None:
            tenths = self.number(element.find("pointsize"), "font point size", 1) * 10
        if element.find("fontweight") is not None:
            weight = text(element.find("fontweight")).split("::")[-1]
            if weight not in ("Normal", "Bold"):
                self.refuse(f"font weight {weight}: Windows gets normal or bold")
            bold = weight == "Bold"
        elif element.find("bold") is not None:
            bold = text(element.find("bold")) == "true"
        for style in ("italic", "underline", "strikeout"):
            if text(element.find(style)) == "true":
                self.refuse(f"{style} font: not carried to Windows")
        return Font(face, tenths, bold)


def text(element):
    return "" if element is None else (element.text or "")


class Pictures:
    """The pictures that the designs show, PICTURE_DIR/NAME.png and
    NAME@2x.png, in the order they first appear."""

    def __init__(self, directory):
        self.directory, self.files = Path(directory), []

    def name(self, widget):
        source = widget.string("source")
        name = source.removeprefix(":/").removesuffix(".png")
        if not source.startswith(":/") or not source.endswith(".png"):
            widget.refuse(f"picture '{source}': not a :/NAME.png resource")
        for suffix in ("", "@2x"):
            if not (self.directory / f"{name}{suffix}.png").is_file():
                widget.refuse(f"picture '{source}': no {self.directory / name}{suffix}.png")
        if name not in self.files:
            self.files.append(name)
        return name


def controls(path, parent, left, top, pictures, font, style_font, background=None):
    """The controls inside parent, at positions in the window's client area,
    each with the font it shows: the nearest style sheet's font rule, as
    style sheets cascade, or else the parent's font with its own font set
    over it. Labels and pictures show the background of the frame they sit
    in."""
    for element in parent.findall("widget"):
        widget = Widget(path, element)
        if widget.cls not in KINDS:
            widget.refuse("no Windows control for this class")
        if element.find("layout") is not None:
            widget.refuse("a layout: the Windows controls are placed by their geometry")
        kind = KINDS[widget.cls]
        x, y, width, height = widget.geometry()
        style = widget.style_font() or style_font
        shown = style or widget.font(font)
        colour = background if kind in ("Label", "Picture") else widget.colour("Window" if kind == "Frame" else "Base")
        # Flags as Designer writes them, Qt::AlignRight or Qt::AlignmentFlag::AlignRight.
        alignment = {flag.split("::")[-1] for flag in text(element.find("property[@name='alignment']/set")).split("|")}
        if {"AlignHCenter", "AlignCenter", "AlignJustify"} & alignment:
            widget.refuse("centred or justified text: Windows gets left or right")
        yield {
            "widget": widget,
            "kind": kind,
            "caption": widget.string("title") or widget.string("text"),
            "box": (left + x, top + y, width, height),
            "font": shown,
            "background": colour,
            "readOnly": widget.flag("readOnly"),
            "alignRight": bool({"AlignRight", "AlignTrailing"} & alignment),
            "picture": pictures.name(widget) if widget.string("source") else None,
        }
        yield from controls(path, element, left + x, top + y, pictures, shown, style, colour)


def tab_order(path, ui, items):
    """The focusable controls in the order of the design's tab stops, or
    else in the order of the design."""
    focusable = [item["widget"].name for item in items if item["kind"] in FOCUSABLE]
    stops = [text(stop) for stop in ui.findall("tabstops/tabstop")] or focusable
    for stop in stops:
        if stop not in focusable:
            raise Refusal(f"{path}: tab stop {stop}: names no control that takes the focus")
    for item in items:
        if item["kind"] in FOCUSABLE and item["widget"].name not in stops:
            item["widget"].refuse("not in the design's tab stops, which must list every control that takes the focus")
    return stops


Window = namedtuple("Window", "form font width height items stops")


def read_window(path, pictures):
    """The design's window: its font, client size, controls and tab stops."""
    try:
        ui = ElementTree.parse(path).getroot()
    except (OSError, ElementTree.ParseError) as error:
        raise Refusal(f"{path}: not a readable .ui file: {error}")
    if ui.find("widget") is None:
        raise Refusal(f"{path}: no window in the design")
    form = Widget(path, ui.find("widget"))
    style = form.style_font()
    font = style or form.font(Font(None, None, False))
    if font.face is None or font.tenthsOfPoint is None:
        form.refuse("the window's font needs a family and a point size")
    _, _, width, height = form.geometry()
    items = list(controls(path, form.element, 0, 0, pictures, font, style))
    names = [item["widget"].name for item in items]
    for item in items:
        if (names + [form.name]).count(item["widget"].name) > 1:
            item["widget"].refuse("the name is given twice")
    return Window(form, font, width, height, items, tab_order(path, ui, items))
