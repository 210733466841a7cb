// Every caption fits its control in every window, with the fonts the
// calculator is installed with: a label's text wraps inside its rectangle,
// and button, check box and frame captions are not cut off. ctest runs this
// at 100 %, 150 % and 200 % scaling (QT_SCALE_FACTOR).
#include "frmquorvane.h"
#include "guitest.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyleOptionFrame>
#include <QtTest>

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
        if (label->text().trimmed().isEmpty())
            return {};
        const QRect room = label->contentsRect();
        const QRect needed = fm.boundingRect(room, int(label->alignment()) | Qt::TextWordWrap, label->text());
        if (needed.height() > room.height())
            return QStringLiteral("%1 needs %2 px of height for \"%3\", has %4")
                .arg(who).arg(needed.height()).arg(label->text().simplified()).arg(room.height());
        // A single word wider than the label is cut at its right edge.
        for (const QString& word : label->text().split(u' ', Qt::SkipEmptyParts))
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

} // namespace

class Captions : public QObject {
    Q_OBJECT

private slots:
    void fitTheirControls_data();
    void fitTheirControls();
    void aGrownLabelLeavesItsFieldClear();
    void resultsShowWhole_data();
    void resultsShowWhole();
    void fontsAreTheInstalledSubstitutes_data();
    void fontsAreTheInstalledSubstitutes();
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
    const QStringList found = misfits(window);
    QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
}

// The triangle's caption wraps to two lines; growing down it would cover the
// corner of the first side's field, so it grows up into the free room there.
void Captions::aGrownLabelLeavesItsFieldClear()
{
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    auto* window = qobject_cast<qv::frame::Form*>(windowFor(main, QStringLiteral("mnutri")));
    QVERIFY(window);
    QWidget* label = window->control("Label1");
    QVERIFY(misfit(label).isEmpty());
    for (const char* field : {"txt1", "txt2", "txt3"})
        QVERIFY2(!label->geometry().intersects(window->control(field)->geometry()), field);
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

void Captions::fontsAreTheInstalledSubstitutes_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("family");
    QTest::addColumn<double>("pointSize");
    // The windows name the fonts they were designed with; installed fonts stand in.
    QTest::newRow("Comic Sans MS: the main window's check boxes") << "" << "chk1" << "Comic Neue" << 9.75;
    QTest::newRow("Bookman Old Style: the title") << "" << "Label13" << "URW Bookman" << 18.0;
    QTest::newRow("MS Sans Serif: the division window") << "mnudiv" << "Label1" << "Nimbus Sans" << 9.75;
    // Not the desktop's font, whatever it is: the windows are laid out for this one.
    QTest::newRow("toolkit default: the rectangle window") << "mnurect" << "Label1" << "Nimbus Sans" << 8.25;
    QTest::newRow("toolkit default: the main window's notice") << "" << "Label1" << "Nimbus Sans" << 8.25;
}

void Captions::fontsAreTheInstalledSubstitutes()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, control);
    QFETCH(QString, family);
    QFETCH(double, pointSize);
    frmquorvane main(NumberLocale::fullStop());
    main.show();
    QWidget* window = windowFor(main, menuItem);
    QVERIFY(window);
    auto* w = window->findChild<QWidget*>(control);
    QVERIFY(w);
    const QFontInfo used(w->font());
    QVERIFY2(used.family().startsWith(family), qPrintable(used.family()));
    QCOMPARE(w->font().pointSizeF(), pointSize);
}

QTEST_MAIN(Captions)
#include "tst_captions.moc"
