// A window described once, as data that reads like its design table.
#pragma once

#include <initializer_list>

namespace qv::frame {

// Control names, in the order a handler takes them.
using Names = std::initializer_list<const char*>;

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

// The table's rows live as long as the design written out where it is
// declared (a namespace-scope constant); a copy of the design shares them.
struct FormDesign {
    const char* name;    // the form's name, also the window's objectName
    const char* caption; // the window title
    int width, height;   // the client area, in twips
    const Font* font;    // the window font; nullptr: the toolkit's default
    std::initializer_list<Control> controls; // in control order; a frame before what it holds
};

} // namespace qv::frame
