// A screen: its designer values, its controls in declaration order, and the services its
// handlers call.
#pragma once

#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "model/control.h"
#include "model/services.h"

namespace model {

enum class StartUp { Manual = 0, Centred = 2, System = 3 };

struct ScreenDesign {
    std::string name;
    std::string caption;       // kept exactly, leading spaces and all
    Colour back = system_colour(15);
    std::optional<Colour> fore;
    int width = 0, height = 0; // client area, twips
    StartUp start = StartUp::Centred;
    int left = 0, top = 0;     // client area on the desktop when the start-up is manual
    std::string icon;          // name of an icon in the program's art
};

// `count` spaces, for window captions that were padded to sit further from the right edge.
inline std::string spaces(int count) { return std::string(static_cast<std::size_t>(count), ' '); }

class Screen {
public:
    Screen(Services& services, ScreenDesign design);
    virtual ~Screen() = default;
    Screen(const Screen&) = delete;
    Screen& operator=(const Screen&) = delete;

    virtual void load() {}

    const ScreenDesign& design() const { return design_; }
    const std::string& name() const { return design_.name; }
    const std::deque<Control>& controls() const { return controls_; }
    std::deque<Control>& controls() { return controls_; }

    // A control by its designer name, such as "Command4" or "Label2(0)".
    Control* find(std::string_view designer_name);

    // Focusable controls in Tab order; the first has the focus when the screen is shown.
    std::vector<Control*> tab_order();
    Control* default_button() { return first_button(&Control::is_default); }
    Control* cancel_button() { return first_button(&Control::is_cancel); }

    // Selects an option button and clears the others of its container.
    void select(Control& option);

protected:
    Label label(std::string name, int index = -1) { return Label(add(Kind::Label, std::move(name), index)); }
    TextBox input(std::string name, int index = -1) { return text_box(std::move(name), index, BoxRole::Input); }
    TextBox display(std::string name, int index = -1) { return text_box(std::move(name), index, BoxRole::Display); }
    // A display box that the pupil may type into although no handler reads it.
    TextBox editable_display(std::string name, int index = -1)
    {
        return text_box(std::move(name), index, BoxRole::EditableDisplay);
    }
    Button button(std::string name, int index = -1) { return Button(add(Kind::Button, std::move(name), index)); }
    Option option(std::string name, int index = -1) { return Option(add(Kind::Option, std::move(name), index)); }
    Frame frame(std::string name, int index = -1) { return Frame(add(Kind::Frame, std::move(name), index)); }
    Shape shape(std::string name, int index = -1) { return Shape(add(Kind::Shape, std::move(name), index)); }
    Line line(std::string name, int index = -1) { return Line(add(Kind::Line, std::move(name), index)); }
    Image image(std::string name, int index = -1) { return Image(add(Kind::Image, std::move(name), index)); }

    Services& ui;

private:
    Control& add(Kind kind, std::string name, int index);
    TextBox text_box(std::string name, int index, BoxRole role);
    Control* first_button(bool Control::*flag);

    ScreenDesign design_;
    std::deque<Control> controls_;
};

}  // namespace model
