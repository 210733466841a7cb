#include "form.h"

#include "blanktitle.h"
#include "failure.h"
#include "fontface.h"
#include "numbertext.h"
#include "report.h"
#include "twips.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QCheckBox>
#include <QEvent>
#include <QFont>
#include <QFontDatabase>
#include <QKeyEvent>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace qv::frame {
namespace {

// A design font as it shows: its QFont, and how far apart a label's wrapped
// lines stand, in percent of the face's own line spacing.
struct ShownFont {
    QFont font;
    int lineHeight = 100;
};

// Each design font becomes a QFont once, shared by every control that uses it.
// Fonts are static design objects, so their address names them. The table is
// never destroyed: no QFont may outlive the application's font cache at exit.
const ShownFont& shown(const Font& font)
{
    static auto& fonts = *new std::unordered_map<const Font*, ShownFont>;
    auto [it, added] = fonts.try_emplace(&font);
    if (added) {
        QFont& f = it->second.font;
        // One family, the face that will show: asked for the design family
        // and its stand-in, Qt sorted fontconfig's fallbacks twice for every
        // font (a sixth of all the work to the first frame), for the same face.
        static const QStringList installed = QFontDatabase::families();
        const QString family = QString::fromLatin1(font.family);
        const bool standIn = font.standIn.family && !installed.contains(family, Qt::CaseInsensitive);
        f.setFamily(preferredFace(standIn ? QString::fromLatin1(font.standIn.family) : family, font.weight,
                                  font.italic));
        f.setPointSizeF(font.pointSize);
        f.setWeight(QFont::Weight(font.weight));
        f.setItalic(font.italic);
        // The stand-in set to the family's widths and line spacing: the same
        // face, condensed (FreeType scales its outlines), loads no other file.
        // Every font says its width, or a control would take its window's.
        f.setStretch(standIn ? font.standIn.stretch : 100);
        if (standIn)
            it->second.lineHeight = font.standIn.lineHeight;
    }
    return it->second;
}

const QFont& toQFont(const Font& font) { return shown(font).font; }

// The font a control shows its text in: its own, else its window's, else
// the toolkit's default.
const Font& windowFont(const FormDesign& design) { return design.font ? *design.font : ToolkitDefault; }
const Font& fontOf(const Control& c, const FormDesign& design) { return c.font ? *c.font : windowFont(design); }

// lineHeight: how far apart a label's wrapped lines stand, in percent of its
// font's line spacing.
QWidget* makeControl(const Control& c, QWidget* parent, int lineHeight)
{
    const QString caption = QString::fromUtf8(c.caption ? c.caption : "");
    switch (c.kind) {
    case ControlKind::Label: {
        auto* label = new QLabel(parent);
        if (lineHeight == 100) {
            label->setTextFormat(Qt::PlainText);
            label->setText(caption);
        } else {
            // Plain text keeps the face's line spacing; a paragraph sets its own.
            label->setTextFormat(Qt::RichText);
            label->setText(QStringLiteral("<p style=\"margin: 0; white-space: pre-wrap; line-height: %1%\">%2</p>")
                               .arg(QString::number(lineHeight), caption.toHtmlEscaped()));
        }
        label->setWordWrap(true);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        return label;
    }
    case ControlKind::TextField: {
        // Its font before its text: a text field lays its text out at once.
        auto* field = new QLineEdit(parent);
        if (c.font)
            field->setFont(toQFont(*c.font));
        field->setText(caption);
        return field;
    }
    case ControlKind::Button:
        return new QPushButton(caption, parent);
    case ControlKind::CheckBox:
        return new QCheckBox(caption, parent);
    case ControlKind::Frame:
        return new QGroupBox(caption, parent);
    }
    return nullptr;
}

bool takesFocus(ControlKind kind)
{
    return kind == ControlKind::TextField || kind == ControlKind::Button || kind == ControlKind::CheckBox;
}

// A calculator window is a window to assistive technology (a frame to
// AT-SPI, announced by its title), not the anonymous pane a plain top-level
// widget would be.
QAccessibleInterface* windowAccessible(const QString& className, QObject* object)
{
    if (className == QLatin1String(Form::staticMetaObject.className()) && object->isWidgetType()
        && static_cast<QWidget*>(object)->isWindow())
        return new QAccessibleWidget(static_cast<QWidget*>(object), QAccessible::Window);
    return nullptr;
}

// Whether area, in the control's container, lies inside it and clear of
// every other control there.
bool isClear(const QWidget* control, const QRect& area)
{
    const QWidget* container = control->parentWidget();
    if (!container->rect().contains(area))
        return false;
    for (const QWidget* other : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
        if (other != control && other->geometry().intersects(area))
            return false;
    return true;
}

} // namespace

Form::Form(FormDesign design, NumberLocale locale, QWidget* parent)
    : QWidget(parent), design_(design), locale_(std::move(locale))
{
    static const bool accessibleWindows = (QAccessible::installFactory(windowAccessible), true);
    (void)accessibleWindows;
    setObjectName(QString::fromLatin1(design.name));
    setWindowTitle(QString::fromUtf8(design.caption));
    if (windowTitle().isEmpty())
        keepTitleBlank(this);
    setFont(toQFont(windowFont(design)));
    setFixedSize(twipsSize(design.width, design.height));

    controls_.reserve(design.controls.size());
    for (const Control& c : design.controls) {
        QWidget* container = c.container ? control(c.container) : this;
        QWidget* w = makeControl(c, container, shown(fontOf(c, design)).lineHeight);
        w->setObjectName(QString::fromLatin1(c.name));
        w->setGeometry(twipsRect(c.left, c.top, c.width, c.height));
        if (c.font)
            w->setFont(toQFont(*c.font));
        if (c.accessibleName)
            w->setAccessibleName(QString::fromUtf8(c.accessibleName));
        controls_.emplace_back(c.name, w);
    }
    // A caption that wraps to more lines than its label was designed for
    // grows downwards rather than losing its last words; upwards instead
    // where growing down would cover another control (which would then lose
    // clicks to the label) and the room above is free.
    for (const auto& [name, w] : controls_)
        if (auto* label = qobject_cast<QLabel*>(w); label && label->wordWrap()) {
            const QRect designed = label->geometry();
            const int extra = label->heightForWidth(designed.width()) - designed.height();
            if (extra <= 0)
                continue;
            const QRect below(designed.left(), designed.bottom() + 1, designed.width(), extra);
            const QRect above(designed.left(), designed.top() - extra, designed.width(), extra);
            if (!isClear(label, below) && isClear(label, above))
                label->setGeometry(designed.adjusted(0, -extra, 0, 0));
            else
                label->setGeometry(designed.adjusted(0, 0, 0, extra));
        }
    for (const Control& c : design.controls)
        if (c.names)
            control<QLabel>(c.name)->setBuddy(control(c.names));

    // The focus chain follows the tab indices.
    std::vector<const Control*> order;
    for (const Control& c : design.controls)
        if (takesFocus(c.kind))
            order.push_back(&c);
    std::stable_sort(order.begin(), order.end(),
                     [](const Control* a, const Control* b) { return a->tabIndex < b->tabIndex; });
    for (std::size_t i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(control(order[i - 1]->name), control(order[i]->name));

    // Enter and the keypad's Enter press the focused button, as Space does.
    for (const Control& c : design.controls)
        if (c.kind == ControlKind::Button)
            control(c.name)->installEventFilter(this);
}

void Form::focusFirstTabStop()
{
    const Control* first = nullptr;
    for (const Control& c : design_.controls)
        if (takesFocus(c.kind) && control(c.name)->isVisibleTo(this) && (!first || c.tabIndex < first->tabIndex))
            first = &c;
    if (first)
        control(first->name)->setFocus(Qt::OtherFocusReason);
}

QWidget* Form::find(const char* name) const
{
    for (const auto& [n, w] : controls_)
        if (std::strcmp(n, name) == 0)
            return w;
    return nullptr;
}

void Form::notA(const char* name, const char* className) const
{
    std::fprintf(stderr, "%s has no %s named %s\n", design_.name, className, name);
    std::abort();
}

FieldValue Form::text(const char* name) const
{
    return FieldValue::text(field(name)->text().toStdString(), locale_, name);
}

double Form::lenient(const char* name) const
{
    try {
        return readLenient(field(name)->text().toStdString());
    } catch (const Failure& failure) {
        throw Failure(failure.kind(), name);
    }
}

void Form::write(const char* name, const FieldValue& value)
{
    setWhole(name, QString::fromStdString(value.display(locale_)));
    written_.push_back(name);
}

void Form::clear(Names fields)
{
    for (const char* name : fields)
        setWhole(name, QString());
}

// A text wider than its field is shown in a smaller size of the field's own
// face, down to a floor, so that every number the display rule makes is
// seen whole; the tooltip holds it too. The field shows the text from its
// first character: a number cut at its end rather than its start.
void Form::setWhole(const char* name, const QString& text)
{
    QLineEdit* f = field(name);
    QFont font = designFont(name);
    // Most results fit at the field's own size, as the sum of their
    // characters' widths shows without laying the text out; only the others
    // are measured whole.
    const QFontMetrics metrics(font);
    int width = 0;
    for (const QChar c : text)
        width += metrics.horizontalAdvance(c);
    if (width > f->width() - 12) {
        QStyleOptionFrame option;
        option.initFrom(f);
        option.rect = f->rect();
        option.lineWidth = f->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, f);
        // The line edit keeps two pixels either side of its text, and one for the cursor.
        const int room = f->style()->subElementRect(QStyle::SE_LineEditContents, &option, f).width() - 5;
        // Widths grow about in proportion to the size: a first guess, then
        // quarter points down until it fits, not below the floor.
        const double floor = font.pointSizeF() * 0.6;
        const double guess = font.pointSizeF() * room / std::max(width, 1);
        font.setPointSizeF(std::clamp(std::floor(guess * 4) / 4, floor, font.pointSizeF()));
        while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() - 0.25 >= floor)
            font.setPointSizeF(font.pointSizeF() - 0.25);
    }
    if (f->font() != font)
        f->setFont(font);
    f->setText(text);
    if (f->toolTip() != text)
        f->setToolTip(text);
    f->setCursorPosition(0);
}

const QFont& Form::designFont(const char* name) const
{
    for (const Control& c : design_.controls)
        if (std::strcmp(c.name, name) == 0)
            return toQFont(fontOf(c, design_));
    return toQFont(windowFont(design_));
}

void Form::run(const std::vector<const char*>& results, const std::function<void()>& handler)
{
    written_.clear();
    // A failure leaves the results written so far (they belong to the
    // input), and empties the others: no answer stays beside input it was
    // not computed from.
    runReported(this, handler, [this, &results] {
        for (const char* result : results)
            if (std::none_of(written_.begin(), written_.end(),
                             [result](const char* w) { return std::strcmp(w, result) == 0; }))
                clear({result});
    });
}

void Form::lock(Names fields)
{
    for (const char* name : fields)
        field(name)->setReadOnly(true);
}

void Form::setControlsVisible(Names names, bool visible)
{
    for (const char* name : names)
        control(name)->setVisible(visible);
}

void Form::onClick(const char* name, std::function<void()> handler, std::vector<const char*> results)
{
    connect(control<QAbstractButton>(name), &QAbstractButton::clicked, this,
            [this, handler = std::move(handler), results = std::move(results)] { run(results, handler); });
}

void Form::onToggle(const char* name, std::function<void()> handler)
{
    // toggled, not clicked: assistive technology ticks a box without a click.
    connect(control<QCheckBox>(name), &QCheckBox::toggled, this,
            [this, handler = std::move(handler)] { run({}, handler); });
}

void Form::onFieldClick(const char* name, std::function<void()> handler, std::vector<const char*> results)
{
    QLineEdit* f = field(name);
    f->installEventFilter(this);
    fieldClicks_.push_back({f, std::move(handler), std::move(results)});
}

bool Form::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        auto* w = static_cast<QWidget*>(watched);
        const QPoint at = static_cast<QMouseEvent*>(event)->position().toPoint();
        if (w->rect().contains(at))
            for (const FieldClick& click : fieldClicks_)
                if (click.field == watched)
                    run(click.results, click.handler);
    }
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (auto* button = qobject_cast<QAbstractButton*>(watched);
            button && (key == Qt::Key_Return || key == Qt::Key_Enter)) {
            button->click();
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace qv::frame
