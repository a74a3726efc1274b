// SPDX-License-Identifier: GPL-3.0-or-later
// Controls of a screen: what each holds, and the typed handles that screens declare them with.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "model/spoken.h"

namespace model {

class Screen;
class Frame;

// &H00BBGGRR&, or &H800000nn& for the system colour with index nn.
using Colour = std::uint32_t;
constexpr Colour system_colour(int index) { return 0x80000000u | static_cast<Colour>(index); }
constexpr bool is_system_colour(Colour c) { return (c & 0x80000000u) != 0; }

enum class Kind { Label, TextBox, Button, Option, Frame, Shape, Line, Image };
const char* kind_name(Kind kind);
enum class Align { Left, Right, Centre };
enum class ShapeKind { Rectangle, Oval, RoundedRect };
enum class Weight { Regular, Bold };
enum class Slant { Upright, Italic };

// Input boxes are typed into and read; display boxes are written by handlers and look like labels.
enum class BoxRole { Input, Display, EditableDisplay };

struct Font {
    std::string name = "MS Sans Serif";
    double size = 8.25;
    Weight weight = Weight::Regular;
    Slant slant = Slant::Upright;
    bool operator==(const Font&) const = default;
};
inline Font sans(double size, Weight w = Weight::Regular) { return {"MS Sans Serif", size, w, Slant::Upright}; }

struct Control {
    Kind kind;
    std::string name;
    int index = -1;                      // member of a control array when >= 0
    const Control* container = nullptr;  // the Frame it lies in, or none
    int order = 0;                       // position in the screen's declaration
    Screen* screen = nullptr;

    int left = 0, top = 0, width = 0, height = 0;          // twips, relative to the container
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0, border_width = 1;  // lines only

    std::string text;  // Caption or Text
    bool visible = true;
    bool enabled = true;
    bool value = false;  // option buttons
    bool right_to_left = false;
    bool border = false;  // labels: a single line around the caption
    // Labels: the caption breaks onto lines within the box even where the box is too low for two
    // lines of the font it is drawn in, whose lines are taller than the designer font's.
    bool wraps = false;
    std::optional<int> tab_index;
    // Drawn directly beneath this control rather than above every control declared before it.
    const Control* beneath = nullptr;
    Align align = Align::Left;
    std::optional<Colour> back, fore, fill;
    std::optional<Font> font;
    BoxRole role = BoxRole::Display;
    bool is_default = false, is_cancel = false;
    ShapeKind shape = ShapeKind::Rectangle;
    std::string picture;  // name of a picture in the program's art
    // What a screen reader says for the control when its text alone would not do: an operator
    // button's operation, what goes into a box, the rule a repeated "مثال" belongs to.
    std::string accessible_name, accessible_description;
    std::string named_text;   // the caption the row gave, which accessible_name describes
    std::vector<Part> reads;  // what the control is heard as, where its parts say it better
    std::function<void()> on_click;

    std::string designer_name() const;
    bool shown() const;      // own Visible and every container's
    bool focusable() const;  // reachable with the Tab key
    bool locked() const { return kind == Kind::TextBox && role == BoxRole::Display; }
    // The font the control is drawn in: its own, else its Frame's, else the screen font.
    Font effective_font() const;
};

// clang-format off
// Typed handle over a control. The designer-table setters return the handle, so a screen
// declares each control in one chained row; the run-time accessors read and write the control.
template <class Self>
class Handle {
public:
    explicit Handle(Control& c) : c_(&c) {}
    Control& control() const { return *c_; }

    Self at(int left, int top, int width, int height) { c_->left = left; c_->top = top; c_->width = width; c_->height = height; return self(); }
    Self font(Font f) { c_->font = std::move(f); return self(); }
    Self back(Colour c) { c_->back = c; return self(); }
    Self fore(Colour c) { c_->fore = c; return self(); }
    Self rtl() { c_->right_to_left = true; return self(); }
    Self hidden() { c_->visible = false; return self(); }
    Self tab(int index) { c_->tab_index = index; return self(); }
    Self centred() { c_->align = Align::Centre; return self(); }
    Self right() { c_->align = Align::Right; return self(); }
    template <class Other> Self beneath(const Handle<Other>& other) { c_->beneath = &other.control(); return self(); }
    // Spoken name and description for screen readers.
    Self named(std::string name) { c_->accessible_name = std::move(name); return self(); }
    Self described(std::string text) { c_->accessible_description = std::move(text); return self(); }
    // Heard as these parts in reading order, such as an option as the candidate beside it.
    Self reads(std::vector<Part> parts) { c_->reads = std::move(parts); return self(); }
    // Places the control in a Frame declared earlier on the same screen; the screen checks this
    // once every control exists, because a Frame declared later is not yet made here.
    Self in(const Frame& frame);

    bool visible() const { return c_->visible; }
    void set_visible(bool v) const { c_->visible = v; }
    void show() const { c_->visible = true; }
    void hide() const { c_->visible = false; }

protected:
    Self self() { return static_cast<Self&>(*this); }
    Control* c_;
};

class Label : public Handle<Label> {
public:
    static constexpr Kind kind = Kind::Label;
    using Handle::Handle;
    Label caption(std::string s) { c_->text = std::move(s); return *this; }
    Label bordered() { c_->border = true; return *this; }
    Label wraps() { c_->wraps = true; return *this; }
    const std::string& caption() const { return c_->text; }
    void set_caption(std::string s) const { c_->text = std::move(s); }
};

class TextBox : public Handle<TextBox> {
public:
    static constexpr Kind kind = Kind::TextBox;
    using Handle::Handle;
    TextBox text(std::string s) { c_->text = std::move(s); return *this; }
    const std::string& text() const { return c_->text; }
    void set_text(std::string s) const { c_->text = std::move(s); }
};

class Button : public Handle<Button> {
public:
    static constexpr Kind kind = Kind::Button;
    using Handle::Handle;
    Button caption(std::string s) { c_->text = std::move(s); return *this; }
    Button on_click(std::function<void()> f) { c_->on_click = std::move(f); return *this; }
    Button default_button() { c_->is_default = true; return *this; }
    Button cancel_button() { c_->is_cancel = true; return *this; }
    const std::string& caption() const { return c_->text; }
    void set_caption(std::string s) const { c_->text = std::move(s); }
    void set_enabled(bool e) const { c_->enabled = e; }
};

class Option : public Handle<Option> {
public:
    static constexpr Kind kind = Kind::Option;
    using Handle::Handle;
    Option caption(std::string s) { c_->text = std::move(s); return *this; }
    Option on_click(std::function<void()> f) { c_->on_click = std::move(f); return *this; }
    bool value() const { return c_->value; }
    void set_value(bool v) const;   // selecting one clears the others of its container
    bool enabled() const { return c_->enabled; }
    void set_enabled(bool e) const { c_->enabled = e; }
};

class Frame : public Handle<Frame> {
public:
    static constexpr Kind kind = Kind::Frame;
    using Handle::Handle;
    Frame caption(std::string s) { c_->text = std::move(s); return *this; }
};

class Shape : public Handle<Shape> {
public:
    static constexpr Kind kind = Kind::Shape;
    using Handle::Handle;
    Shape oval() { c_->shape = ShapeKind::Oval; return *this; }
    Shape rounded() { c_->shape = ShapeKind::RoundedRect; return *this; }
    Shape fill(Colour c) { c_->fill = c; return *this; }
};

class Line : public Handle<Line> {
public:
    static constexpr Kind kind = Kind::Line;
    using Handle::Handle;
    Line from(int x, int y) { c_->x1 = x; c_->y1 = y; return *this; }
    Line to(int x, int y) { c_->x2 = x; c_->y2 = y; return *this; }
    Line thickness(int w) { c_->border_width = w; return *this; }
};

class Image : public Handle<Image> {
public:
    static constexpr Kind kind = Kind::Image;
    using Handle::Handle;
    Image picture(std::string name) { c_->picture = std::move(name); return *this; }
};

// clang-format on

void place_in(Control& child, const Frame& frame);

template <class Self>
Self Handle<Self>::in(const Frame& frame)
{
    place_in(*c_, frame);
    return self();
}

}  // namespace model
