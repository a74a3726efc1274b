// SPDX-License-Identifier: GPL-3.0-or-later
// Both programs as their descriptions list them: every screen opens under its own name, and
// every control has something meaningful for a screen reader to say.
#include <gtest/gtest.h>

#include <fstream>
#include <map>

#include "fractio/screens.h"
#include "harness.h"
#include "model/spoken.h"
#include "numeria/screens.h"
#include "values/values.h"

using testing_support::Harness;

namespace {

const std::vector<const model::ProgramDescription*> programs = {&numeria::program(), &fractio::program()};

// At least one Arabic letter: a caption of symbols or digits alone says little when spoken.
bool has_arabic_letter(const std::string& text)
{
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        const auto lead = static_cast<unsigned char>(text[i]), next = static_cast<unsigned char>(text[i + 1]);
        const unsigned code = ((lead & 0x1Fu) << 6) | (next & 0x3Fu);
        if ((lead & 0xE0u) == 0xC0u && code >= 0x621 && code <= 0x64A)
            return true;
    }
    return false;
}

bool blank(const std::string& text) { return text.find_first_not_of(' ') == std::string::npos; }

TEST(Programs, EveryListedScreenOpensUnderItsOwnNameAndTheStartScreenIsListed)
{
    for (const auto* program : programs) {
        EXPECT_NO_THROW(program->screen(program->start)) << program->id;
        for (const auto& entry : program->screens) {
            SCOPED_TRACE(std::string(program->id) + " " + std::string(entry.name));
            Harness h{std::string(program->title)};
            entry.show(h.program);
            EXPECT_EQ(h.name(), entry.name);
        }
    }
}

TEST(Programs, EveryControlHasAMeaningfulArabicName)
{
    for (const auto* program : programs) {
        for (const auto& entry : program->screens) {
            Harness h{std::string(program->title)};
            entry.show(h.program);
            std::map<std::string, int> captions;
            for (const model::Control& c : h.screen().controls())
                if (c.kind == model::Kind::Button)
                    ++captions[c.text];
            for (const model::Control& c : h.screen().controls()) {
                SCOPED_TRACE(std::string(program->id) + " " + h.name() + " " + c.designer_name());
                const std::string& spoken = c.accessible_name.empty() ? c.text : c.accessible_name;
                // A number shown is heard as the number it is.
                const bool heard_as_number = values::strict(model::spoken_name(c)).has_value();
                switch (c.kind) {
                case model::Kind::TextBox:
                    // An input box is named for what goes into it; a display for what it holds.
                    if (c.role == model::BoxRole::Input || !blank(c.text)) {
                        EXPECT_TRUE(has_arabic_letter(model::spoken_name(c)) || heard_as_number)
                            << model::spoken_name(c);
                    }
                    break;
                case model::Kind::Label:
                    // An empty label is filled by a handler; what it then holds is its name.
                    if (!blank(c.text)) {
                        EXPECT_TRUE(has_arabic_letter(model::spoken_name(c)) || heard_as_number)
                            << model::spoken_name(c);
                    }
                    break;
                case model::Kind::Button:
                    EXPECT_TRUE(has_arabic_letter(spoken)) << spoken;
                    if (captions[c.text] > 1) {
                        EXPECT_TRUE(has_arabic_letter(c.accessible_description)) << "repeated caption " << c.text;
                    }
                    break;
                case model::Kind::Option:
                case model::Kind::Frame:
                case model::Kind::Image:
                    if (c.kind != model::Kind::Image || !c.accessible_name.empty()) {
                        EXPECT_TRUE(has_arabic_letter(model::spoken_name(c)) || heard_as_number)
                            << model::spoken_name(c);
                    }
                    break;
                case model::Kind::Shape:
                case model::Kind::Line: break;  // decoration
                }
            }
        }
    }
}

// What the menu shows and what the taskbar shows for the program's windows must agree: the
// program names a desktop entry that starts it and shows an icon of the same name.
TEST(Programs, EachNamesTheDesktopEntryThatStartsItAndHasAWindowIcon)
{
    for (const auto* program : programs) {
        SCOPED_TRACE(std::string(program->id));
        EXPECT_FALSE(program->icon.empty());
        std::ifstream entry(std::string(PACKAGING_DIR "/") + std::string(program->desktop_entry) + ".desktop");
        ASSERT_TRUE(entry) << program->desktop_entry;
        std::map<std::string, std::string> keys;
        for (std::string line; std::getline(entry, line);)
            if (const auto equals = line.find('='); equals != std::string::npos)
                keys.try_emplace(line.substr(0, equals), line.substr(equals + 1));
        EXPECT_EQ(keys["Exec"], program->id);
        EXPECT_EQ(keys["Icon"], program->desktop_entry);
    }
}

}  // namespace
