// SPDX-FileCopyrightText: 2026 Quorvane Calculator developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Every caption fits its control in every window, with the fonts the
// calculator is installed with: a label's text wraps inside its rectangle,
// and button, check box and frame captions are not cut off. At 100 % every
// control also keeps the rectangle its table gives. Results show whole, and
// every text is readable on its background under a dark and a high-contrast
// palette. Captions and results are checked under Fusion, Qt's Windows style
// and a style with a wide text-field frame; ctest runs this at 100 %, 125 %,
// 150 %, 175 % and 200 % scaling (QT_SCALE_FACTOR), and on a virtual X
// server, where the window system's titles are checked too.
#include "controls.h"
#include "frmquorvane.h"
#include "guitest.h"
#include "numbertext.h"
#include "panel.h"
#include "palettes.h"
#include "textfit.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QProxyStyle>
#include <QPushButton>
#include <QRandomGenerator>
#include <QStyleFactory>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTextLayout>
#include <QtTest>

#include <cmath>

#ifdef QUORVANE_HAVE_XCB
#include <QtGui/qguiapplication_platform.h>
#include <xcb/xcb.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>
#endif

using qv::NumberLocale;
using qv::app::frmquorvane;

namespace {

QString plainCaption(const QString& caption) { return QString(caption).remove(u'&'); }

// What does not fit in one control, or an empty string.
QString misfit(QWidget* w)
{
    const QFontMetrics fm(w->font());
    const QString who = w->objectName();
    if (auto* label = qobject_cast<QLabel*>(w)) {
        const QString text = qvtest::captionOf(label);
        if (text.trimmed().isEmpty())
            return {};
        const QRect room = label->contentsRect();
        if (const int needed = label->heightForWidth(room.width()); needed > room.height())
            return QStringLiteral("%1 needs %2 px of height for \"%3\", has %4")
                .arg(who).arg(needed).arg(text.simplified()).arg(room.height());
        // A single word wider than the label is cut at its right edge.
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
            if (fm.horizontalAdvance(word) > room.width())
                return QStringLiteral("%1 is narrower than the word \"%2\"").arg(who, word);
    } else if (auto* box = qobject_cast<QCheckBox*>(w)) {
        if (box->sizeHint().width() > box->width() || fm.height() > box->height())
            return QStringLiteral("%1 needs %2 px for \"%3\", has %4")
                .arg(who).arg(box->sizeHint().width()).arg(box->text()).arg(box->width());
    } else if (auto* button = qobject_cast<QPushButton*>(w)) {
        const QString text = plainCaption(button->text());
        // The caption and a little room either side of it, inside the button's frame.
        const int needed = fm.horizontalAdvance(text) + 8;
        if (needed > button->width() || fm.height() + 4 > button->height())
            return QStringLiteral("%1 needs %2 px for \"%3\", has %4").arg(who).arg(needed).arg(text).arg(button->width());
    } else if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        const int needed = fm.horizontalAdvance(frame->title()) + 8;
        if (needed > frame->width())
            return QStringLiteral("%1 needs %2 px for its title, has %3").arg(who).arg(needed).arg(frame->width());
    }
    return {};
}

// The main window, or the calculator window its menu item opens.
QWidget* windowFor(frmquorvane& main, const QString& menuItem)
{
    if (menuItem.isEmpty())
        return &main;
    qvtest::choose(&main, qPrintable(menuItem));
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->isVisible() && qobject_cast<qv::frame::Form*>(w))
            return w; // the one calculator window open
    return nullptr;
}

QStringList misfits(QWidget* window)
{
    QStringList found;
    for (QWidget* w : window->findChildren<QWidget*>())
        if (!w->objectName().isEmpty())
            if (const QString m = misfit(w); !m.isEmpty())
                found << m;
    return found;
}

// The controls not within 3 px of the rectangle their table gives them, in
// their container: a caption that wrapped to another line made its label grow.
QStringList moved(const qv::frame::Form& form)
{
    QStringList found;
    for (const qv::frame::Control& c : form.design().controls) {
        const QRect designed = qv::frame::twipsRect(c.left, c.top, c.width, c.height);
        const QRect shown = form.control(c.name)->geometry();
        if (!designed.adjusted(-3, -3, 3, 3).contains(shown) || !shown.adjusted(-3, -3, 3, 3).contains(designed))
            found << QStringLiteral("%1 is %2,%3 %4x%5, designed %6,%7 %8x%9")
                         .arg(QLatin1String(c.name))
                         .arg(shown.x()).arg(shown.y()).arg(shown.width()).arg(shown.height())
                         .arg(designed.x()).arg(designed.y()).arg(designed.width()).arg(designed.height());
    }
    return found;
}

// A property of a window as the X server holds it, or "(none)".
#ifdef QUORVANE_HAVE_XCB
QByteArray x11Property(xcb_connection_t* connection, WId window, const char* name)
{
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, true, std::uint16_t(std::strlen(name)), name), nullptr);
    xcb_get_property_reply_t* property = xcb_get_property_reply(
        connection,
        xcb_get_property(connection, false, xcb_window_t(window), atom ? atom->atom : xcb_atom_t(XCB_ATOM_NONE),
                         XCB_GET_PROPERTY_TYPE_ANY, 0, 1024),
        nullptr);
    QByteArray value("(none)");
    if (property && property->type != XCB_ATOM_NONE)
        value = QByteArray(static_cast<const char*>(xcb_get_property_value(property)),
                           xcb_get_property_value_length(property));
    std::free(atom);
    std::free(property);
    return value;
}
#endif

// KDE's Breeze style draws a text field's frame six pixels wide, where
// Fusion draws two: Fusion with that frame. Where room says so, the frame is
// drawn only where the field is tall enough for it and its font, as Breeze
// does; a field whose text is set smaller then loses room to its frame.
class WideFrame : public QProxyStyle {
public:
    explicit WideFrame(bool whereRoom)
        : QProxyStyle(QStyleFactory::create(QStringLiteral("Fusion"))), whereRoom_(whereRoom)
    {
    }

    int pixelMetric(PixelMetric metric, const QStyleOption* option, const QWidget* widget) const override
    {
        return metric == PM_DefaultFrameWidth ? frame : QProxyStyle::pixelMetric(metric, option, widget);
    }
    QRect subElementRect(SubElement element, const QStyleOption* option, const QWidget* widget) const override
    {
        if (element != SE_LineEditContents)
            return QProxyStyle::subElementRect(element, option, widget);
        if (whereRoom_ && option->rect.height() < option->fontMetrics.height() + 2 * frame)
            return option->rect;
        return option->rect.adjusted(frame, frame, -frame, -frame);
    }

private:
    static constexpr int frame = 6;
    bool whereRoom_;
};

// The application's style for a test's run, and the style before it again after.
class UsingStyle {
public:
    explicit UsingStyle(const QString& name) : before_(QApplication::style()->name())
    {
        if (name == QLatin1String("wide frame"))
            QApplication::setStyle(new WideFrame(false));
        else if (name == QLatin1String("wide frame where room"))
            QApplication::setStyle(new WideFrame(true));
        else
            QApplication::setStyle(name);
    }
    ~UsingStyle() { QApplication::setStyle(before_); }
    UsingStyle(const UsingStyle&) = delete;
    UsingStyle& operator=(const UsingStyle&) = delete;

private:
    QString before_;
};

const QStringList styles{"Fusion", "Windows", "wide frame", "wide frame where room"};

// A row for each window (the main window first, by an empty menu item) and
// each of the variants.
void windowRows(const char* column, const QStringList& variants)
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>(column);
    for (const QString& variant : variants) {
        QTest::addRow("frmquorvane, %s", qPrintable(variant)) << QString() << variant;
        for (const qv::frame::CalculatorWindow* w : qv::windows::all())
            QTest::addRow("%s, %s", w->design.name, qPrintable(variant)) << QString::fromLatin1(w->item.name) << variant;
    }
}

// The protected parts of a widget a test reads: the style options it paints with.
struct LineEditOptions : QLineEdit {
    using QLineEdit::initStyleOption;
};
struct GroupBoxOptions : QGroupBox {
    using QGroupBox::initStyleOption;
};

// What a field shows of its text that is cut off, or an empty string: the
// text laid out in the field's font, as the line edit lays it out, must fit
// the contents rectangle its style gives the field, less the line edit's
// two pixels either side and its cursor's pixel.
QString cutOff(QLineEdit* f)
{
    QStyleOptionFrame option;
    (f->*&LineEditOptions::initStyleOption)(&option);
    const QRect contents =
        f->style()->subElementRect(QStyle::SE_LineEditContents, &option, f).marginsRemoved(f->textMargins());
    QTextLayout layout(f->text(), f->font(), f);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const int needed = qRound(line.naturalTextWidth()) + 1;
    if (needed <= contents.width() - 2 * 2)
        return {};
    return QStringLiteral("%1: \"%2\" needs %3 px, has %4")
        .arg(f->objectName(), f->text())
        .arg(needed)
        .arg(contents.width() - 4);
}

// A number as users type one: up to three digits, and up to two decimals.
QString typedNumber(QRandomGenerator& random)
{
    const int whole = random.bounded(1, 1000);
    switch (random.bounded(3)) {
    case 0:
        return QString::number(whole);
    case 1:
        return QStringLiteral("%1.%2").arg(whole).arg(random.bounded(1, 10));
    default:
        return QStringLiteral("%1.%2").arg(whole).arg(random.bounded(1, 100), 2, 10, QChar(u'0'));
    }
}

// Shows a number in a field, as a result is written.
void show(const qv::frame::Form& window, QLineEdit* field, double value)
{
    static_cast<qv::frame::Field*>(field)->present(QString::fromStdString(qv::displayText(value, window.numberLocale())));
}

// The window's input fields and its Calculate button; the main window's
// are its panel's, every row ticked.
std::pair<std::vector<const char*>, const char*> inputsOf(qv::frame::Form& window, const QString& menuItem)
{
    if (!menuItem.isEmpty()) {
        const qvtest::ExpectedWindow& w = qvtest::expectedWindow(window.objectName());
        return {w.inputs, w.calculate.name};
    }
    std::vector<const char*> inputs;
    for (const qv::windows::PanelRow& row : qv::windows::mainPanel.rows) {
        window.control<QCheckBox>(row.box)->setChecked(true);
        for (const qv::formula::Field* f : qv::formula::inputs(row.formula))
            inputs.push_back(f->name);
    }
    return {inputs, "cmdcal"};
}

// WCAG 2's relative luminance of a colour, and the contrast of two.
double luminance(const QColor& c)
{
    const auto linear = [](double v) { return v <= 0.03928 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); };
    return 0.2126 * linear(c.redF()) + 0.7152 * linear(c.greenF()) + 0.0722 * linear(c.blueF());
}

double contrast(const QColor& a, const QColor& b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

// The application's palette for a test's run, as a desktop sets it.
class UsingPalette {
public:
    explicit UsingPalette(const QPalette& palette)
    {
        QApplication::setPalette(palette);
        QCoreApplication::processEvents(); // the widgets take it up
    }
    ~UsingPalette() { QApplication::setPalette(QPalette()); }
    UsingPalette(const UsingPalette&) = delete;
    UsingPalette& operator=(const UsingPalette&) = delete;
};

// Each text a widget draws, with its colour and the colour behind it, as
// the styles draw them: in the widget's foreground role on the background
// of the nearest widget that paints one (itself where it fills its
// background or its style gives it a panel of another role, as a field's
// or a button's; else its container). A field's selected text is drawn in
// the highlight colours; a frame's title in the text colour its style gives
// it, or in the window text colour (Fusion).
struct Colours {
    QString what;
    QColor text;
    QColor background;
};

std::vector<Colours> textColours(QWidget* w, QPalette::ColorGroup group)
{
    const QWidget* back = w;
    while (!back->isWindow() && !back->autoFillBackground()
           && back->backgroundRole() == back->parentWidget()->backgroundRole())
        back = back->parentWidget();
    const QColor background = back->palette().color(group, back->backgroundRole());
    std::vector<Colours> found{{w->objectName(), w->palette().color(group, w->foregroundRole()), background}};
    if (qobject_cast<QLineEdit*>(w))
        found.push_back({w->objectName() + " selected", w->palette().color(group, QPalette::HighlightedText),
                         w->palette().color(group, QPalette::Highlight)});
    if (auto* frame = qobject_cast<QGroupBox*>(w)) {
        QStyleOptionGroupBox option;
        (frame->*&GroupBoxOptions::initStyleOption)(&option);
        if (option.textColor.isValid())
            found.push_back({w->objectName() + " title", option.textColor, background});
    }
    return found;
}

} // namespace

class Captions : public QObject {
    Q_OBJECT

private slots:
    void fitTheirControls_data();
    void fitTheirControls();
    void aLabelGrowsWhereThereIsRoom_data();
    void aLabelGrowsWhereThereIsRoom();
    void aResultIsSetNoSmallerThanItNeeds_data();
    void aResultIsSetNoSmallerThanItNeeds();
    void resultsShowWhole_data();
    void resultsShowWhole();
    void textsAreReadable_data();
    void textsAreReadable();
    void blankTitlesAreBlankOnX11_data();
    void blankTitlesAreBlankOnX11();
};

void Captions::fitTheirControls_data()
{
    windowRows("style", styles);
}

void Captions::fitTheirControls()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, style);
    const UsingStyle using_(style);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    QWidget* window = windowFor(main, menuItem);
    QVERIFY(window);
    QStringList found = misfits(window);
    // Scaled, a label whose caption would otherwise be cut off may grow.
    if (window->devicePixelRatio() == 1)
        found << moved(menuItem.isEmpty() ? main.panel() : *qobject_cast<qv::frame::Form*>(window));
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

// A caption that wraps to more lines than its label was designed for grows
// the label downwards, or upwards where a control stands below and the room
// above is free; its left edge and width stay.
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
    QTest::addColumn<double>("room");   // the room, as a share of the text's width at the field's size
    QTest::addColumn<double>("least");  // the size it is set in at least and at most, as a share of the field's
    QTest::addColumn<double>("most");
    QTest::newRow("fits: its own size") << 1.1 << 1.0 << 1.0;
    QTest::newRow("a tenth too wide: about a tenth smaller") << 0.9 << 0.8 << 0.95;
    QTest::newRow("far too wide: 60 %, no smaller") << 0.3 << 0.6 << 0.6;
}

// A result wider than its field is set in a smaller size of the field's
// face, as small as it needs and no smaller, but not below 60 %.
void Captions::aResultIsSetNoSmallerThanItNeeds()
{
    QFETCH(double, room);
    QFETCH(double, least);
    QFETCH(double, most);
    QFont font = QApplication::font();
    font.setPointSizeF(9.75);
    const QString text = QStringLiteral("-1.23456789012346E-308");
    QTextLayout layout(text, font);
    layout.beginLayout();
    const QTextLine line = layout.createLine();
    layout.endLayout();
    const double size = qv::frame::fittedFont(text, font, int(line.naturalTextWidth() * room)).pointSizeF();
    QVERIFY2(size >= least * 9.75 - 0.001 && size <= most * 9.75 + 0.001, qPrintable(QString::number(size)));
}

void Captions::blankTitlesAreBlankOnX11_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QByteArray>("title");
    QTest::newRow("division: empty") << "mnudiv" << QByteArray("");
    QTest::newRow("room: empty") << "mnuroom1" << QByteArray("");
    QTest::newRow("cone: one space") << "mnucone" << QByteArray(" ");
    QTest::newRow("circle: its caption") << "mnucir" << QByteArray("Area of a circle");
}

// What a title bar shows: the window's _NET_WM_NAME, or WM_NAME where a
// window manager reads only that. Qt would name an untitled window "quorvane".
void Captions::blankTitlesAreBlankOnX11()
{
#ifdef QUORVANE_HAVE_XCB
    auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("not on X11: ctest runs this on a virtual X server as tst_captions_x11");
    QFETCH(QString, menuItem);
    QFETCH(QByteArray, title);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    QWidget* window = windowFor(main, menuItem);
    QVERIFY(window);
    QCOMPARE(x11Property(x11->connection(), window->winId(), "_NET_WM_NAME"), title);
    QCOMPARE(x11Property(x11->connection(), window->winId(), "WM_NAME"), title);
#else
    QSKIP("built without xcb");
#endif
}

void Captions::resultsShowWhole_data()
{
    windowRows("style", styles);
}

// The longest texts the display rule makes, and the results of calculations
// with numbers as users type them, show whole in every result field, from
// their first character, and stay whole when selected for copying.
void Captions::resultsShowWhole()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, style);
    const UsingStyle using_(style);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    auto* window = qobject_cast<qv::frame::Form*>(menuItem.isEmpty() ? main.centralWidget() : windowFor(main, menuItem));
    QVERIFY(window);
    QList<QLineEdit*> results;
    for (QLineEdit* f : window->findChildren<QLineEdit*>())
        if (f->isReadOnly())
            results << f;
    QStringList cut;
    for (QLineEdit* f : results) {
        const QFont designed = f->font();
        for (const double value : {-1.2345678901234567e-308, -0.00012345678901234567, -888888888888888.0}) {
            show(*window, f, value);
            f->selectAll();
            cut << cutOff(f);
            // A number shown smaller is given whole by the tooltip, first.
            if (f->font().pointSizeF() < designed.pointSizeF())
                QCOMPARE(f->toolTip().section(u'\n', 0, 0), f->text());
        }
        static_cast<qv::frame::Field*>(f)->present(QString());
        QCOMPARE(f->font(), designed); // an empty field is back in its own size
    }
    const auto [inputs, calculate] = inputsOf(*window, menuItem);
    QRandomGenerator random(19);
    for (int i = 0; i < 13; ++i) {
        for (const char* input : inputs)
            window->field(input)->setText(typedNumber(random));
        qvtest::press(*window, calculate);
        for (QLineEdit* f : results) {
            f->selectAll();
            cut << cutOff(f);
        }
    }
    cut.removeAll(QString());
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QStringLiteral("; "))));
}

void Captions::textsAreReadable_data()
{
    windowRows("palette", {"dark", "high contrast"});
}

// Under a dark and a high-contrast palette, set while the program runs,
// every text has a contrast of at least 4.5:1 with its background (WCAG's
// least for text), a result in a smaller face too. The title keeps its
// designed magenta on black.
void Captions::textsAreReadable()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, palette);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    const UsingPalette using_(qvtest::desktopPalette(palette));
    auto* window = qobject_cast<qv::frame::Form*>(menuItem.isEmpty() ? main.centralWidget() : windowFor(main, menuItem));
    QVERIFY(window);
    inputsOf(*window, menuItem); // the main window's rows shown
    for (QLineEdit* f : window->findChildren<QLineEdit*>())
        if (f->isReadOnly())
            show(*window, f, -1.2345678901234567e-308);
    QStringList unreadable;
    for (QWidget* w : window->findChildren<QWidget*>()) {
        if (w->objectName().isEmpty() || !w->isVisibleTo(window))
            continue;
        if (menuItem.isEmpty() && w->objectName() == QLatin1String("Label13")) {
            QCOMPARE(w->palette().color(QPalette::WindowText), QColor(255, 0, 255));
            QCOMPARE(w->palette().color(QPalette::Window), QColor(0, 0, 0));
            QVERIFY(w->autoFillBackground());
            continue;
        }
        for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive})
            for (const Colours& c : textColours(w, group))
                if (contrast(c.text, c.background) < 4.5)
                    unreadable << QStringLiteral("%1%2: %3 on %4, %5:1")
                                      .arg(c.what, group == QPalette::Inactive ? " (inactive)" : "",
                                           c.text.name(), c.background.name())
                                      .arg(contrast(c.text, c.background), 0, 'f', 2);
    }
    QVERIFY2(unreadable.isEmpty(), qPrintable(unreadable.join(QStringLiteral("; "))));
}

QTEST_MAIN(Captions)
#include "tst_captions.moc"
