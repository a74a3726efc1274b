// SPDX-License-Identifier: GPL-3.0-or-later
// The offscreen view tests run inside one application set up as the programs set theirs up.
#include <gtest/gtest.h>

#include <QApplication>

#include "view_fixture.h"

namespace view_testing {

QImage picture(QWidget* w) { return w->grab().toImage().convertToFormat(QImage::Format_RGB32); }

std::vector<std::pair<int, int>> ink_runs(const QImage& image)
{
    const QColor background = image.pixelColor(0, 0);
    auto ink = [&](int x) {
        for (int y = 0; y < image.height(); ++y) {
            const QColor c = image.pixelColor(x, y);
            if (std::abs(c.red() - background.red()) + std::abs(c.green() - background.green())
                    + std::abs(c.blue() - background.blue())
                > 200)
                return true;
        }
        return false;
    };
    std::vector<std::pair<int, int>> runs;
    for (int x = 0; x < image.width(); ++x) {
        if (!ink(x))
            continue;
        if (!runs.empty() && runs.back().second == x - 1)
            runs.back().second = x;
        else
            runs.emplace_back(x, x);
    }
    return runs;
}

int pixels_near(const QImage& image, QColor colour)
{
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            count += std::abs(c.red() - colour.red()) + std::abs(c.green() - colour.green())
                    + std::abs(c.blue() - colour.blue())
                < 60;
        }
    return count;
}

}  // namespace view_testing

int main(int argc, char** argv)
{
    ::testing::InitGoogleTest(&argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    qtview::set_up_application(app);
    return RUN_ALL_TESTS();
}
