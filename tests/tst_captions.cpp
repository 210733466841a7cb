// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Captions fit, results show whole and texts are readable in every window,
// under several styles and palettes; ctest runs this at several scales, and on
// X servers, where the titles the window system holds are checked too.
#include "controls.h"
#include "frmquorvane.h"
#include "guitest.h"
#include "numbertext.h"
#include "palettes.h"
#include "textfit.h"
#include "twips.h"

#include <QtTest>
#include <QtWidgets>

#include <cmath>

#ifdef QUORVANE_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#endif

using qv::NumberLocale;
using qv::app::frmquorvane;
using qv::frame::Form;

namespace {

// What does not fit in one control, or an empty string.
QString misfit(QWidget* w)
{
    const QFontMetrics fm(w->font());
    const auto cut = [w](const QString& text, int needed, int has) {
        return needed <= has ? QString()
                             : QStringLiteral("%1 needs %2 px for \"%3\", has %4; ")
                                   .arg(w->objectName()).arg(needed).arg(text.simplified()).arg(has);
    };
    if (auto* label = qobject_cast<QLabel*>(w); label && !qvtest::captionOf(label).trimmed().isEmpty()) {
        const QString text = qvtest::captionOf(label);
        const QRect room = label->contentsRect();
        int widest = 0; // a word wider than the label is cut at its right edge
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
            widest = std::max(widest, fm.horizontalAdvance(word));
        return cut(text, label->heightForWidth(room.width()), room.height()) + cut(text, widest, room.width());
    }
    if (auto* box = qobject_cast<QCheckBox*>(w))
        return cut(box->text(), box->sizeHint().width(), box->width()) + cut(box->text(), fm.height(), box->height());
    // A button's caption, and a frame's title, with a little room either side inside the frame.
    if (auto* button = qobject_cast<QPushButton*>(w)) {
        const QString text = QString(button->text()).remove(u'&');
        return cut(text, fm.horizontalAdvance(text) + 8, button->width())
               + cut(text, fm.height() + 4, button->height());
    }
    if (auto* frame = qobject_cast<QGroupBox*>(w))
        return cut(frame->title(), fm.horizontalAdvance(frame->title()) + 8, frame->width());
    return {};
}

// Fusion with Breeze's text-field frame of six pixels (Fusion's is two); whereRoom draws it only
// where the field is tall enough for it and its font, as Breeze does.
struct WideFrame : QProxyStyle {
    static constexpr int frame = 6;
    bool whereRoom;
    explicit WideFrame(bool whereRoom) : QProxyStyle(QStyleFactory::create("Fusion")), whereRoom(whereRoom) {}
    int pixelMetric(PixelMetric m, const QStyleOption* o, const QWidget* w) const override
    {
        return m == PM_DefaultFrameWidth ? frame : QProxyStyle::pixelMetric(m, o, w);
    }
    QRect subElementRect(SubElement e, const QStyleOption* o, const QWidget* w) const override
    {
        if (e != SE_LineEditContents)
            return QProxyStyle::subElementRect(e, o, w);
        const bool drawn = !whereRoom || o->rect.height() >= o->fontMetrics.height() + 2 * frame;
        return drawn ? o->rect.adjusted(frame, frame, -frame, -frame) : o->rect;
    }
};

// The protected part of a widget a test reads: the style options it paints with.
template <class Widget>
struct Options : Widget {
    using Widget::initStyleOption;
};

// What a field shows of its text that is cut off, or an empty string: its text, laid out as the line
// edit lays it out, within its style's contents rectangle less two pixels either side and the cursor's.
QString cutOff(QLineEdit* f)
{
    QStyleOptionFrame option;
    (f->*&Options<QLineEdit>::initStyleOption)(&option);
    const QRect contents = f->style()->subElementRect(QStyle::SE_LineEditContents, &option, f);
    const int room = contents.marginsRemoved(f->textMargins()).width() - 2 * 2;
    QTextLayout layout(f->text(), f->font(), f);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int needed = qRound(line.naturalTextWidth()) + 1;
    if (needed <= room)
        return {};
    return QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(f->objectName(), f->text()).arg(needed).arg(room);
}

// WCAG 2's contrast of two colours, from their relative luminance.
double contrast(const QColor& a, const QColor& b)
{
    const auto luminance = [](const QColor& c) { // and the 0.05 of flare the contrast adds to each
        const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF()) + 0.05;
    };
    return std::max(luminance(a), luminance(b)) / std::min(luminance(a), luminance(b));
}

// Each text a widget draws with a contrast below 4.5:1 (WCAG's least for text): in its foreground
// role on the background of the nearest widget that paints one (itself where it fills its background
// or has a panel of another role); a field's selection; a frame's title in its style's colour, if any.
QStringList unreadable(QWidget* w)
{
    const QWidget* back = w;
    while (!back->isWindow() && !back->autoFillBackground()
           && back->backgroundRole() == back->parentWidget()->backgroundRole())
        back = back->parentWidget();
    QStyleOptionGroupBox frame; // its textColor stays invalid but for a frame's title
    if (auto* box = qobject_cast<QGroupBox*>(w))
        (box->*&Options<QGroupBox>::initStyleOption)(&frame);
    QStringList found;
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        const QPalette& is = w->palette();
        const QColor background = back->palette().color(group, back->backgroundRole());
        const auto check = [&](const char* what, const QColor& text, const QColor& behind) {
            if (text.isValid() && contrast(text, behind) < 4.5)
                found << QStringLiteral("%1%2%3: %4 on %5, %6:1")
                             .arg(w->objectName(), what, group == QPalette::Inactive ? " (inactive)" : "", text.name(),
                                  behind.name())
                             .arg(contrast(text, behind), 0, 'f', 2);
        };
        check("", is.color(group, w->foregroundRole()), background);
        if (qobject_cast<QLineEdit*>(w))
            check(" selected", is.color(group, QPalette::HighlightedText), is.color(group, QPalette::Highlight));
        check(" title", frame.textColor, background);
    }
    return found;
}

} // namespace

class Captions : public QObject {
    Q_OBJECT

private slots:
    void everyTextShowsWhole_data();
    void everyTextShowsWhole();
    void aLabelGrowsWhereThereIsRoom_data();
    void aLabelGrowsWhereThereIsRoom();
    void aResultIsSetNoSmallerThanItNeeds_data();
    void aResultIsSetNoSmallerThanItNeeds();
    void blankTitlesAreBlankOnX11();
};

void Captions::everyTextShowsWhole_data()
{
    QTest::addColumn<QString>("form");
    QTest::addColumn<QString>("style");
    QTest::addColumn<QString>("palette"); // as a desktop sets it while the program runs; "" the platform's
    QStringList forms{"frmquorvane"};
    for (const qvtest::ExpectedWindow& w : qvtest::expectedWindows)
        forms << w.form;
    const std::pair<const char*, const char*> looks[] = {{"Fusion", ""}, {"Windows", ""}, {"wide frame", ""},
        {"wide frame where room", ""}, {"Fusion", "dark"}, {"Fusion", "high contrast"}};
    for (const auto& [style, palette] : looks)
        for (const QString& form : forms)
            QTest::addRow("%s, %s%s", qPrintable(form), style, *palette ? qPrintable(QString(", ") + palette) : "")
                << form << QString(style) << QString(palette);
}

// No caption is cut; at 100 % every control lies within 3 px of its designed rectangle (a caption
// that wrapped would have grown its label). The longest display texts and the results of typed
// calculations show whole, selected too; under a palette every text is readable, the title magenta on black.
void Captions::everyTextShowsWhole()
{
    QFETCH(QString, form);
    QFETCH(QString, style);
    QFETCH(QString, palette);
    const auto restore = qScopeGuard([before = QApplication::style()->name()] {
        QApplication::setStyle(before);
        QApplication::setPalette(QPalette());
    });
    if (style.startsWith("wide frame"))
        QApplication::setStyle(new WideFrame(style.endsWith("where room")));
    else
        QApplication::setStyle(style);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    if (!palette.isEmpty()) {
        QApplication::setPalette(qvtest::desktopPalette(palette));
        QCoreApplication::processEvents(); // the widgets take it up
    }
    for (QCheckBox* box : main.panel().findChildren<QCheckBox*>())
        box->setChecked(true); // every row of the panel shown
    if (form != "frmquorvane")
        qvtest::choose(&main, qvtest::expectedWindow(form).item);
    Form* window = form == "frmquorvane" ? &main.panel() : qvtest::findWindow(qPrintable(form));
    QVERIFY(window);
    QStringList found;
    for (const qv::frame::Control& c : window->design().controls) {
        const QRect designed = qv::frame::twipsRect(c.left, c.top, c.width, c.height);
        const QRect shown = window->control(c.name)->geometry();
        if (window->devicePixelRatio() == 1
            && (!designed.adjusted(-3, -3, 3, 3).contains(shown) || !shown.adjusted(-3, -3, 3, 3).contains(designed)))
            found << QStringLiteral("%1 moved from where it was designed").arg(c.name);
    }
    QList<QLineEdit*> results, inputs;
    for (QLineEdit* f : window->findChildren<QLineEdit*>())
        (f->isReadOnly() ? results : inputs) << f;
    const auto show = [window](QLineEdit* f, double value) { // as Calculate writes a result
        const std::string text = qv::displayText(value, window->numberLocale());
        static_cast<qv::frame::Field*>(f)->present(QString::fromStdString(text));
    };
    for (QLineEdit* f : results) {
        const QFont designed = f->font();
        for (const double value : {-1.2345678901234567e-308, -0.00012345678901234567, -888888888888888.0}) {
            show(f, value);
            f->selectAll();
            found << cutOff(f);
        }
        static_cast<qv::frame::Field*>(f)->present(QString());
        QCOMPARE(f->font(), designed); // an empty field is back in its own size
        show(f, -1.2345678901234567e-308);
    }
    for (QWidget* w : window->window()->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty())
            continue;
        found << misfit(w);
        if (palette.isEmpty() || !w->isVisibleTo(w->window()))
            continue;
        if (form == "frmquorvane" && w->objectName() == QLatin1String("Label13")) {
            QCOMPARE(w->palette().color(QPalette::WindowText), QColor(255, 0, 255));
            QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 0));
            QVERIFY(w->autoFillBackground());
        } else {
            found << unreadable(w);
        }
    }
    QRandomGenerator random(19);
    for (int i = 0; i < 13; ++i) {
        for (QLineEdit* f : inputs) // up to three digits, and up to two decimals
            f->setText(QString::number(random.bounded(100, 100'000) / 100.0));
        qvtest::press(*window, form == "frmquorvane" ? "cmdcal" : qvtest::expectedWindow(form).calculate.name);
        for (QLineEdit* f : results) {
            f->selectAll();
            found << cutOff(f);
        }
    }
    found.removeAll(QString());
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

void Captions::aLabelGrowsWhereThereIsRoom_data()
{
    QTest::addColumn<bool>("controlBelow");
    QTest::addColumn<bool>("controlAbove");
    QTest::addColumn<bool>("up");
    QTest::newRow("room below: down") << false << false << false;
    QTest::newRow("a control below, room above: up") << true << false << true;
    QTest::newRow("controls below and above: down") << true << true << false;
}

// A caption that wraps to more lines than designed grows its label down, or up where a control
// stands below and the room above is free; its left edge and width stay.
void Captions::aLabelGrowsWhereThereIsRoom()
{
    QFETCH(bool, controlBelow);
    QFETCH(bool, controlAbove);
    QFETCH(bool, up);
    QWidget container;
    container.resize(400, 300);
    auto* label = new QLabel(QStringLiteral("Give the length of each side of the square in cm:"), &container);
    label->setWordWrap(true);
    const QRect designed(20, 150, 80, 20);
    label->setGeometry(designed);
    const int extra = label->heightForWidth(designed.width()) - designed.height();
    QVERIFY(extra > 0);
    if (controlBelow)
        (new QWidget(&container))->setGeometry(designed.left(), designed.bottom() + 1 + extra / 2, 80, 10);
    if (controlAbove)
        (new QWidget(&container))->setGeometry(designed.left(), designed.top() - extra / 2 - 10, 80, 10);
    qv::frame::growToCaption(label);
    QCOMPARE(label->geometry(), up ? designed.adjusted(0, -extra, 0, 0) : designed.adjusted(0, 0, 0, extra));
}

void Captions::aResultIsSetNoSmallerThanItNeeds_data()
{
    QTest::addColumn<double>("room"); // as a share of the text's width at the field's size
    QTest::addColumn<double>("least"); // the size it is set in at least and at most, as a share of the field's
    QTest::addColumn<double>("most");
    QTest::newRow("fits: its own size") << 1.1 << 1.0 << 1.0;
    QTest::newRow("a tenth too wide: about a tenth smaller") << 0.9 << 0.8 << 0.95;
    QTest::newRow("far too wide: 60 %, no smaller") << 0.3 << 0.6 << 0.6;
}

// A result wider than its field is set in a smaller size, as small as it needs, not below 60 %.
void Captions::aResultIsSetNoSmallerThanItNeeds()
{
    QFETCH(double, room);
    QFETCH(double, least);
    QFETCH(double, most);
    QFont font = QApplication::font();
    font.setPointSizeF(9.75);
    const QString text = QStringLiteral("-1.23456789012346E-308");
    const int pixels = int(QFontMetricsF(font).horizontalAdvance(text) * room);
    const double size = qv::frame::fittedFont(text, font, pixels).pointSizeF();
    QVERIFY2(size >= least * 9.75 - 0.001 && size <= most * 9.75 + 0.001, qPrintable(QString::number(size)));
}

// A title bar shows the window's _NET_WM_NAME, or WM_NAME where a window manager reads only
// that: the window's title, blank ones too, where Qt would name an untitled window "quorvane".
void Captions::blankTitlesAreBlankOnX11()
{
#ifdef QUORVANE_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("not on X11: ctest runs this on a virtual X server as tst_captions_x11");
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    xcb_connection_t* c = x11->connection();
    for (const qvtest::ExpectedWindow& expected : qvtest::expectedWindows) {
        qvtest::choose(&main, expected.item);
        Form* window = qvtest::findWindow(expected.form);
        QVERIFY(window);
        for (const char* name : {"_NET_WM_NAME", "WM_NAME"}) {
            xcb_intern_atom_reply_t* atom =
                xcb_intern_atom_reply(c, xcb_intern_atom(c, true, std::strlen(name), name), nullptr);
            const xcb_get_property_cookie_t asked = xcb_get_property(c, false, xcb_window_t(window->winId()),
                atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE), XCB_GET_PROPERTY_TYPE_ANY, 0, 1024);
            xcb_get_property_reply_t* property = xcb_get_property_reply(c, asked, nullptr);
            QByteArray value("(none)");
            if (property && property->type != XCB_ATOM_NONE)
                value = QByteArray(static_cast<const char*>(xcb_get_property_value(property)),
                                   xcb_get_property_value_length(property));
            std::free(atom);
            std::free(property);
            QVERIFY2(value == expected.title, qPrintable(QString("%1 %2: \"%3\"").arg(expected.form, name, value)));
        }
    }
#else
    QSKIP("built without xcb");
#endif
}

QTEST_MAIN(Captions)
#include "tst_captions.moc"
