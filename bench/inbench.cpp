// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Benchmarks inside one calculator process, on a real X server:
//  1. start-up phases: QApplication, building the main window, show to mapped;
//  2. each of the nineteen menu items, from the choice to its window mapped
//     (the MapNotify the server sends, seen by a native event filter): the
//     first opening, then the median of nine more after closing the window;
//  3. a Calculate press in the main window and in every calculator window:
//     the handler from the click to the results written (not the repaint);
//  4. the number rules alone, per call.
// Every figure is the median of nine samples; a sample of 3 and 4 is a batch
// of calls long enough for the clock, divided by its count.
#include "frmquorvane.h"
#include "windows.h"

#include "form.h"
#include "guitest.h"
#include "numbertext.h"

#include <QAbstractButton>
#include <QAbstractNativeEventFilter>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QElapsedTimer>
#include <QLineEdit>
#include <QMessageBox>
#include <QTimer>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;

double msSince(Clock::time_point from, Clock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

// Records when the server reports each window mapped.
class MapWatch : public QAbstractNativeEventFilter {
public:
    bool nativeEventFilter(const QByteArray& type, void* message, qintptr*) override
    {
        if (type == "xcb_generic_event_t") {
            const auto* event = static_cast<const xcb_generic_event_t*>(message);
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY)
                mapped_[reinterpret_cast<const xcb_map_notify_event_t*>(event)->window] = Clock::now();
        }
        return false;
    }

    void forget(WId window) { mapped_.erase(xcb_window_t(window)); }

    // Runs the event loop until the window is mapped; when it was, or nothing on a timeout.
    std::optional<Clock::time_point> waitMapped(WId window, int timeoutMs = 5000)
    {
        QElapsedTimer timer;
        timer.start();
        while (timer.elapsed() < timeoutMs) {
            if (auto it = mapped_.find(xcb_window_t(window)); it != mapped_.end())
                return it->second;
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
        }
        return std::nullopt;
    }

private:
    std::map<xcb_window_t, Clock::time_point> mapped_;
};

void settle(int ms)
{
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, ms);
}

// Median time per call of f, in microseconds: nine batches of about 20 ms each.
template <class F>
double perCallUs(F&& f)
{
    for (int i = 0; i < 100; ++i)
        f();
    long count = 1;
    for (;;) {
        const auto t0 = Clock::now();
        for (long i = 0; i < count; ++i)
            f();
        if (msSince(t0, Clock::now()) >= 20 || count >= (1L << 26))
            break;
        count *= 2;
    }
    std::vector<double> samples;
    for (int b = 0; b < 9; ++b) {
        const auto t0 = Clock::now();
        for (long i = 0; i < count; ++i)
            f();
        samples.push_back(msSince(t0, Clock::now()) * 1000.0 / double(count));
        QCoreApplication::processEvents(); // the repaints the batch asked for, outside the clock
    }
    return median(samples);
}

// Presses Calculate in a window whose inputs hold 7 (a factorial of 7, powers
// of 7: nothing fails). Prints one line.
void benchCalculate(const char* label, qv::frame::Form& form, const char* buttonName)
{
    auto* button = form.findChild<QAbstractButton*>(QLatin1String(buttonName));
    if (!button) {
        std::printf("  %-12s %12s\n", label, "no button");
        return;
    }
    const auto fields = form.findChildren<QLineEdit*>();
    for (QLineEdit* f : fields)
        f->setText(f->isReadOnly() ? QString() : QStringLiteral("7"));
    std::vector<QString> before;
    for (QLineEdit* f : fields)
        before.push_back(f->text());
    if (const QString failure = qvtest::messageFrom([&] { button->click(); }); !failure.isEmpty()) {
        std::printf("  %-12s %12s  (%s)\n", label, "fails", qPrintable(failure));
        return;
    }
    bool wrote = false;
    for (qsizetype i = 0; i < fields.size(); ++i)
        wrote = wrote || fields[i]->text() != before[std::size_t(i)];
    const double us = perCallUs([&] { button->click(); });
    std::printf("  %-12s %12.2f%s\n", label, us, wrote ? "" : "  (writes nothing yet)");
}

} // namespace

int main(int argc, char* argv[])
{
    const auto t0 = Clock::now();
    QApplication app(argc, argv);
    const auto t1 = Clock::now();
    MapWatch watch;
    app.installNativeEventFilter(&watch);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "quorvane_inbench needs an X server (QT_QPA_PLATFORM=xcb), not %s\n",
                     qPrintable(QGuiApplication::platformName()));
        return 2;
    }

    // 1. Start-up phases, in this process.
    auto main = std::make_unique<qv::app::frmquorvane>(qv::NumberLocale::fullStop());
    const auto t2 = Clock::now();
    main->show();
    const auto t3 = watch.waitMapped(main->winId());
    if (!t3) {
        std::fprintf(stderr, "the main window was never mapped\n");
        return 1;
    }
    std::printf("Start-up phases in one process (ms)\n");
    std::printf("  %-34s %8.1f\n", "QApplication", msSince(t0, t1));
    std::printf("  %-34s %8.1f\n", "building the main window", msSince(t1, t2));
    std::printf("  %-34s %8.1f\n", "show to mapped", msSince(t2, *t3));
    settle(200);

    // 2. Menu item to window mapped.
    std::printf("\nMenu item to window mapped (ms)\n  %-12s %-10s %8s %12s\n", "item", "window", "first", "median of 9");
    std::vector<double> medians;
    for (const qv::windows::CalculatorWindow* window : qv::windows::all()) {
        const char* menuItem = window->item.name;
        const char* name = window->design.name;
        auto* action = main->findChild<QAction*>(QLatin1String(menuItem));
        std::vector<double> samples;
        double first = 0;
        for (int i = 0; i < 10; ++i) {
            const auto start = Clock::now();
            action->trigger();
            qv::frame::Form* form = main->windows().openWindow(*window);
            const auto mapped = watch.waitMapped(form->winId());
            if (!mapped) {
                std::printf("  %-12s %s was never mapped\n", menuItem, name);
                break;
            }
            (i == 0 ? first : samples.emplace_back()) = msSince(start, *mapped);
            watch.forget(form->winId());
            settle(30); // its first paint, outside the clock
            form->close();
            settle(10);
        }
        if (samples.size() == 9) {
            medians.push_back(median(samples));
            std::printf("  %-12s %-10s %8.2f %12.2f\n", menuItem, name, first, medians.back());
        }
    }
    if (!medians.empty())
        std::printf("  %-23s %8s %12.2f  (slowest median %.2f)\n", "all windows", "", median(medians),
                    *std::max_element(medians.begin(), medians.end()));

    // 3. Calculate presses.
    std::printf("\nA Calculate press, click to results written (us)\n");
    {
        qv::frame::Form& panel = main->panel();
        for (QCheckBox* box : panel.findChildren<QCheckBox*>())
            if (!box->isChecked())
                box->click();
        benchCalculate("frmquorvane", panel, "cmdcal");
    }
    for (const qv::windows::CalculatorWindow* window : qv::windows::all()) {
        main->findChild<QAction*>(QLatin1String(window->item.name))->trigger();
        qv::frame::Form* form = main->windows().openWindow(*window);
        benchCalculate(window->design.name, *form, window->calculate.button);
        form->close();
    }

    // 4. The number rules alone.
    std::printf("\nNumber rules, per call (ns)\n");
    const qv::NumberLocale fullStop = qv::NumberLocale::fullStop();
    const qv::NumberLocale comma = qv::NumberLocale::comma();
    volatile double sinkD = 0;
    volatile std::size_t sinkS = 0;
    const auto rule = [](const char* name, double us) { std::printf("  %-40s %8.1f\n", name, us * 1000.0); };
    rule("readLenient(\"7\")", perCallUs([&] { sinkD = sinkD + qv::readLenient("7"); }));
    rule("readLenient(\"12.5E3\")", perCallUs([&] { sinkD = sinkD + qv::readLenient("12.5E3"); }));
    rule("readLenient(\" 1 2abc\")", perCallUs([&] { sinkD = sinkD + qv::readLenient(" 1 2abc"); }));
    rule("readStrict(\"7\", full stop)", perCallUs([&] { sinkD = sinkD + qv::readStrict("7", fullStop); }));
    rule("readStrict(\"1,234.5\", full stop)", perCallUs([&] { sinkD = sinkD + qv::readStrict("1,234.5", fullStop); }));
    rule("readStrict(\"2,5\", comma)", perCallUs([&] { sinkD = sinkD + qv::readStrict("2,5", comma); }));
    rule("displayText(154.0)", perCallUs([&] { sinkS = sinkS + qv::displayText(154.0, fullStop).size(); }));
    rule("displayText(22.0 / 7.0)", perCallUs([&] { sinkS = sinkS + qv::displayText(22.0 / 7.0, fullStop).size(); }));
    rule("displayText(6402373705728000.0)",
         perCallUs([&] { sinkS = sinkS + qv::displayText(6402373705728000.0, fullStop).size(); }));
    return 0;
}
