// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The counted loop on field values of every kind. The factorial loop (start
// the integer 1, body f = f * k) ends after at most 171 passes with the
// product of 1 to the end, or with an overflow failure. A loop from any start
// counts up by one: each counter is at most the end, each is one more than
// the last, and the loop stops at the first counter beyond the end.
#include "check.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <cstddef>
#include <cstdint>
#include <optional>

using qv::FailureKind;
using qv::FieldValue;
using qv::Kind;

namespace {

struct Enough {};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    FuzzedDataProvider in(data, size);
    const FieldValue start = qvfuzz::operand(in);
    const FieldValue end = qvfuzz::operand(in);
    const std::string shownEnd = qvfuzz::shown(end.display(qv::NumberLocale::fullStop()));

    // The end as the loop reads it, or the failure of reading it.
    std::optional<double> last;
    std::optional<FailureKind> endFailure;
    try {
        last = end.toDouble();
    } catch (const qv::Failure& f) {
        endFailure = f.kind();
    }

    // The factorial, as the main window's panel computes it.
    {
        FieldValue f = 1.0;
        int passes = 0;
        std::optional<FailureKind> failure;
        try {
            qv::countedLoop(1, end, [&](const FieldValue& k) {
                ++passes;
                QV_CHECK(passes <= 171, "factorial of %s makes a pass %d", shownEnd.c_str(), passes);
                f = f * k;
            });
        } catch (const qv::Failure& e) {
            failure = e.kind();
        }
        if (endFailure) {
            QV_CHECK(failure == endFailure && passes == 0, "factorial of unreadable %s", shownEnd.c_str());
        } else {
            double product = 1;
            int expectedPasses = 0;
            for (double k = 1; k <= *last && std::isfinite(product); ++k) {
                product *= k;
                ++expectedPasses;
            }
            if (std::isfinite(product)) {
                QV_CHECK(!failure && f.kind() == Kind::Double && f.toDouble() == product && passes == expectedPasses,
                         "factorial of %s: %s after %d passes, expected %.17g", shownEnd.c_str(),
                         f.display(qv::NumberLocale::fullStop()).c_str(), passes, product);
            } else {
                QV_CHECK(failure == FailureKind::Overflow && passes == 171, "factorial of %s: %s after %d passes",
                         shownEnd.c_str(), failure ? qvfuzz::name(*failure) : "no failure", passes);
            }
        }
    }

    // Any start: the counters the body sees, up to a bound on the passes.
    std::optional<double> first;
    std::optional<FailureKind> startFailure;
    try {
        first = start.toDouble();
    } catch (const qv::Failure& f) {
        startFailure = f.kind();
    }
    const std::string shownStart = qvfuzz::shown(start.display(qv::NumberLocale::fullStop()));
    std::optional<double> previous;
    int passes = 0;
    std::optional<FailureKind> failure;
    bool stopped = false;
    try {
        qv::countedLoop(start, end, [&](const FieldValue& k) {
            QV_CHECK(k.kind() != Kind::Text && (passes == 0 || k.kind() != Kind::Empty), "counter of kind text or empty");
            const double counter = k.toDouble();
            QV_CHECK(counter <= *last, "loop %s to %s: counter %.17g", shownStart.c_str(), shownEnd.c_str(), counter);
            if (!previous)
                QV_CHECK(counter == *first, "loop %s to %s starts at %.17g", shownStart.c_str(), shownEnd.c_str(),
                         counter);
            // Beyond 2^53 adding one to a double changes nothing; no window
            // counts that far (the factorial overflows at 171).
            else if (std::fabs(*previous) < 9007199254740992.0)
                QV_CHECK(counter == *previous + 1, "loop %s to %s: %.17g after %.17g", shownStart.c_str(),
                         shownEnd.c_str(), counter, *previous);
            previous = counter;
            if (++passes == 1000)
                throw Enough{};
        });
    } catch (const qv::Failure& f) {
        failure = f.kind();
    } catch (const Enough&) {
        stopped = true;
    }
    // The start is read after the end; whichever cannot be read is the failure.
    if (endFailure || startFailure) {
        QV_CHECK(failure && passes == 0, "loop %s to %s with an unreadable bound", shownStart.c_str(),
                 shownEnd.c_str());
        return 0;
    }
    QV_CHECK(!failure, "loop %s to %s failed with %s", shownStart.c_str(), shownEnd.c_str(), qvfuzz::name(*failure));
    if (!stopped) {
        const double next = previous ? *previous + 1 : *first;
        QV_CHECK(next > *last, "loop %s to %s stopped early at %.17g",
                 shownStart.c_str(), shownEnd.c_str(), next);
    }
    return 0;
}
