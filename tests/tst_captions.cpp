// Every caption fits its control in every window, with the fonts the
// calculator is installed with: a label's text wraps inside its rectangle,
// and button, check box and frame captions are not cut off. At 100 % every
// control also keeps the rectangle its table gives. ctest runs this at 100 %,
// 150 % and 200 % scaling (QT_SCALE_FACTOR), and on a virtual X server, where
// the window system's titles are checked too.
#include "frmquorvane.h"
#include "guitest.h"
#include "twips.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QtTest>

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

} // namespace

class Captions : public QObject {
    Q_OBJECT

private slots:
    void fitTheirControls_data();
    void fitTheirControls();
    void resultsShowWhole_data();
    void resultsShowWhole();
    void blankTitlesAreBlankOnX11_data();
    void blankTitlesAreBlankOnX11();
};

void Captions::fitTheirControls_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("frmquorvane") << QString();
    for (const qv::frame::CalculatorWindow* w : qv::windows::all())
        QTest::newRow(w->design.name) << QString::fromLatin1(w->item.name);
}

void Captions::fitTheirControls()
{
    QFETCH(QString, menuItem);
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
    fitTheirControls_data();
}

// The longest texts the display rule makes show whole in every result field,
// from their first character, and stay whole when selected for copying.
void Captions::resultsShowWhole()
{
    QFETCH(QString, menuItem);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    auto* window = qobject_cast<qv::frame::Form*>(menuItem.isEmpty() ? main.centralWidget() : windowFor(main, menuItem));
    QVERIFY(window);
    for (QLineEdit* f : window->findChildren<QLineEdit*>()) {
        if (!f->isReadOnly())
            continue;
        const QFont designed = f->font();
        for (const double value : {-1.2345678901234567e-308, -0.00012345678901234567, -888888888888888.0}) {
            window->write(qPrintable(f->objectName()), value);
            f->selectAll();
            QStyleOptionFrame option;
            option.initFrom(f);
            const int room = f->width() - 2 * f->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, f) - 4;
            QVERIFY2(QFontMetrics(f->font()).horizontalAdvance(f->text()) < room,
                     qPrintable(f->objectName() + ": " + f->text()));
            QCOMPARE(f->toolTip(), f->text());
        }
        window->clear({qPrintable(f->objectName())});
        QCOMPARE(f->font(), designed); // an empty field is back in its own size
    }
}

QTEST_MAIN(Captions)
#include "tst_captions.moc"
