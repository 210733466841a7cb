// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// A window described once, as data that reads like its design table.
#pragma once

#include "words.h"

#include <initializer_list>
#include <span>
#include <string>

namespace qv::windows {

// Control names, in the order a handler takes them.
using Names = std::span<const char* const>;

// A free face of like design, shown where a font's family is not installed,
// and how it is set so that captions take the room they were laid out for.
struct StandIn {
    const char* family = nullptr;
    // Its width in percent (QFont::setStretch), where it runs wider than the family.
    int stretch = 100;
    // The distance between its wrapped lines in percent of its own line
    // spacing, where its lines stand further apart than the family's.
    int lineHeight = 100;
};

struct Font {
    const char* family;
    double pointSize;
    int weight; // 100..900; 400 regular, 300 light
    bool italic = false;
    StandIn standIn = {};
};

inline constexpr Font ComicSans{"Comic Sans MS", 9.75, 400, false, {"Comic Neue"}};
// Nimbus Sans is wider than MS Sans Serif: at full width "Enter the radius of
// the circle in m : " and three more captions wrap in the labels drawn for them.
inline constexpr StandIn NimbusSans{"Nimbus Sans", 95};
inline constexpr Font MsSansSerif{"MS Sans Serif", 9.75, 400, false, NimbusSans};
// What a window without a font of its own, and its controls, show text in.
inline constexpr Font ToolkitDefault{"MS Sans Serif", 8.25, 400, false, NimbusSans};

enum class ControlKind { Label, TextField, Button, CheckBox, Frame };
inline constexpr ControlKind Label = ControlKind::Label;
inline constexpr ControlKind TextField = ControlKind::TextField;
inline constexpr ControlKind Button = ControlKind::Button;
inline constexpr ControlKind CheckBox = ControlKind::CheckBox;
inline constexpr ControlKind Frame = ControlKind::Frame;

// One control: geometry in twips, relative to its container (the window's
// client area, or the frame it stands in). Tab order follows tabIndex.
struct Control {
    const char* name;
    ControlKind kind;
    const char* caption; // label/button/check box/frame caption, or a field's initial text
    int left, top, width, height;
    int tabIndex;
    const Font* font = nullptr;      // its own font; nullptr uses the window's
    const char* container = nullptr; // the frame it stands in; nullptr: the window
    const char* names = nullptr;     // a label: the field it names (its buddy)
    // What a screen reader calls the control, where its caption or the label
    // that names it does not say it: a field with no label of its own, or one
    // of several fields under a single label. nullptr: the caption or label.
    const char* accessibleName = nullptr;
};

// The table is a named constant array of the window's unit; a design (and
// any copy of it) refers to it.
struct FormDesign {
    const char* name;    // the form's name, also the window's objectName
    const char* caption; // the window title
    int width, height;   // the client area, in twips
    const Font* font;    // the window font; nullptr: the toolkit's default
    std::span<const Control> controls; // in control order; a frame before what it holds
};

// ---------------------------------------------------------------- checked when compiled
//
// A design is checked when it compiles: wellFormed(design) in a constant
// expression stops the build with an error that names what is wrong, in the
// name of the function it calls below, and points at the table.

// The functions a failed check calls. They are never defined: naming one in
// a constant evaluation is the compile error.
namespace declarationError {
void nameUsedTwice(const char* name);
void tabIndexUsedTwice(const char* name);
void containerIsNoFrameDeclaredBefore(const char* name);
void labelNamesNoTextField(const char* name);
void noTextFieldNamed(const char* name);
void noButtonNamed(const char* name);
void noCheckBoxNamed(const char* name);
void noLabelNamed(const char* name);
void sameButtonCalculatesAndResets(const char* name);
void resultWrittenTwice(const char* name);
} // namespace declarationError

namespace detail {
constexpr bool sameName(const char* a, const char* b)
{
    while (*a != '\0' && *a == *b) {
        ++a;
        ++b;
    }
    return *a == *b;
}
} // namespace detail

// The row of that name, or nullptr.
constexpr const Control* findControl(const FormDesign& design, const char* name)
{
    for (const Control& c : design.controls)
        if (detail::sameName(c.name, name))
            return &c;
    return nullptr;
}

// Whether the design has a control of that name and kind.
constexpr bool hasControl(const FormDesign& design, const char* name, ControlKind kind)
{
    const Control* c = findControl(design, name);
    return c && c->kind == kind;
}

// Every control's name and tab index is its own; a control's container is a
// frame that stands before it in the table; a label names a text field.
consteval bool wellFormed(const FormDesign& design)
{
    for (auto c = design.controls.begin(); c != design.controls.end(); ++c) {
        for (auto other = design.controls.begin(); other != c; ++other) {
            if (detail::sameName(other->name, c->name))
                declarationError::nameUsedTwice(c->name);
            if (other->tabIndex == c->tabIndex)
                declarationError::tabIndexUsedTwice(c->name);
        }
        if (c->container) {
            bool before = false;
            for (auto frame = design.controls.begin(); frame != c; ++frame)
                before = before || (detail::sameName(frame->name, c->container) && frame->kind == ControlKind::Frame);
            if (!before)
                declarationError::containerIsNoFrameDeclaredBefore(c->container);
        }
        if (c->names && !hasControl(design, c->names, ControlKind::TextField))
            declarationError::labelNamesNoTextField(c->names);
    }
    return true;
}

// Each name is a control of that kind in the design.
template <class List>
consteval bool allOfKind(const FormDesign& design, const List& names, ControlKind kind)
{
    for (const char* name : names)
        if (!hasControl(design, name, kind)) {
            switch (kind) {
            case ControlKind::TextField:
                declarationError::noTextFieldNamed(name);
                break;
            case ControlKind::Button:
                declarationError::noButtonNamed(name);
                break;
            case ControlKind::CheckBox:
                declarationError::noCheckBoxNamed(name);
                break;
            default:
                declarationError::noLabelNamed(name);
                break;
            }
        }
    return true;
}
consteval bool allOfKind(const FormDesign& design, std::initializer_list<const char*> names, ControlKind kind)
{
    return allOfKind<std::initializer_list<const char*>>(design, names, kind);
}

// What the user knows a text field of the design by: its accessible name
// where the table gives one (in the user's language where a translate is
// given, context "Accessible name"), else the words of the label that names
// it, without the spaces, colon and final "is" that lead over to the field,
// else its own name.
//   userName(frmdiv, "txt3") == "The Quotient"        (its label: "The  Quotient is ")
//   userName(frmtri, "txt2") == "Second side of the triangle in m"
std::string userName(const FormDesign& design, const char* field, const Translate& translate = {});

} // namespace qv::windows
