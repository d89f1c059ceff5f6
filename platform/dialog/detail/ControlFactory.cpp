#include "platform/dialog/detail/ControlFactory.h"

#include "platform/dialog/detail/AccessibleControls.h"
#include "platform/dialog/detail/CompiledResources.h"
#include "platform/dialog/detail/ResourceImage.h"
#include "platform/dialog/detail/ControlLabels.h"
#include "platform/dialog/detail/DialogWindow.h"
#include "platform/dialog/detail/IconResource.h"
#include "platform/dialog/Icon.h"

#include <QCalendarWidget>
#include <QEvent>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace {

// A radio button that is a group of one: a click checks it and never clears
// it, and no partner is cleared automatically.
class RadioButton : public QRadioButton {
public:
    RadioButton(const QString& caption, QWidget* parent) : QRadioButton(parent)
    {
        // Qt's radio buttons clear their siblings and refuse to be cleared
        // themselves; ours are each a group of one.
        setAutoExclusive(false);
        // Qt would call it a check box; marked before the caption is set.
        MarkRadioButtonForAssistiveTech(this);
        setText(caption);
    }

protected:
    void nextCheckState() override { setChecked(true); }
};

// Sends EN_SETFOCUS when an edit gains the focus.
class EditFocusWatcher : public QObject {
public:
    EditFocusWatcher(DialogWindow* host, UINT id) : QObject(host), m_host(host), m_id(id) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::FocusIn)
            m_host->Notify(m_id, EN_SETFOCUS);
        return false;
    }

private:
    DialogWindow* m_host;
    UINT m_id;
};

QString Caption(const ControlTemplate& c)
{
    return QString::fromUtf8(c.caption != nullptr ? c.caption : "");
}

Qt::Alignment StaticAlignment(const ControlTemplate& c)
{
    if (HasStyle(c, SS_RIGHT))
        return Qt::AlignRight | Qt::AlignTop;
    if (HasStyle(c, SS_CENTER))
        return Qt::AlignHCenter | Qt::AlignTop;
    return Qt::AlignLeft | Qt::AlignTop;
}

QWidget* CreateButton(const ControlTemplate& c, DialogWindow* host)
{
    QAbstractButton* button = nullptr;
    if (c.kind == ControlKind::RadioButton) {
        button = new RadioButton(Caption(c), host);
    } else {
        auto* push = new QPushButton(Caption(c), host);
        push->setAutoDefault(false);
        push->setDefault(c.kind == ControlKind::DefPushButton);
        button = push;
    }
    const UINT id = static_cast<UINT>(c.id);
    QObject::connect(button, &QAbstractButton::clicked, host, [host, id] { host->Notify(id, BN_CLICKED); });
    // A push button takes the focus when clicked even without a tab stop. A
    // radio button is a choice the keyboard must reach too: Tab stops at it
    // whatever its template says (the unit buttons have no tab stop and no
    // mnemonic, and each is a group of its own, so no arrow key leads there).
    const bool tabStop = HasStyle(c, WS_TABSTOP) || c.kind == ControlKind::RadioButton;
    button->setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
    return button;
}

QWidget* CreateEdit(const ControlTemplate& c, DialogWindow* host)
{
    const UINT id = static_cast<UINT>(c.id);
    QWidget* edit = nullptr;
    // A multi-line edit that only scrolls horizontally keeps one line that
    // scrolls, which is what a line edit is. One that wraps, or that grows
    // by lines (scrolling vertically or taking Enter), is a text box; it
    // wraps only when it does not scroll horizontally.
    // The user cannot type into a read-only, disabled or hidden edit (the
    // bolt-hole list's copy); neither may assistive technology write it.
    const bool readOnly = HasStyle(c, ES_READONLY) || HasStyle(c, WS_DISABLED) || HasStyle(c, WS_HIDDEN_CONTROL);
    const bool growsByLines = HasStyle(c, ES_AUTOVSCROLL) || HasStyle(c, ES_WANTRETURN) || !HasStyle(c, ES_AUTOHSCROLL);
    if (HasStyle(c, ES_MULTILINE) && growsByLines) {
        auto* box = new QPlainTextEdit(host);
        if (readOnly)
            MarkReadOnlyForAssistiveTech(box);
        box->setReadOnly(HasStyle(c, ES_READONLY));
        // No undo: the document would keep every text removed from it for
        // an undo nobody asks for, so replacing a long list grew memory by
        // the old list each time.
        box->setUndoRedoEnabled(false);
        box->setFrameShape(HasStyle(c, WS_BORDER) ? QFrame::StyledPanel : QFrame::NoFrame);
        box->setVerticalScrollBarPolicy(HasStyle(c, WS_VSCROLL) ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
        box->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
        box->setLineWrapMode(HasStyle(c, ES_AUTOHSCROLL) ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
        box->setTabChangesFocus(true);
        QObject::connect(box, &QPlainTextEdit::textChanged, host, [host, id] { host->Notify(id, EN_CHANGE); });
        edit = box;
    } else {
        auto* line = new QLineEdit(host);
        if (readOnly)
            MarkReadOnlyForAssistiveTech(line);
        line->setReadOnly(HasStyle(c, ES_READONLY));
        line->setFrame(HasStyle(c, WS_BORDER));
        line->setAlignment(HasStyle(c, ES_RIGHT) ? Qt::AlignRight | Qt::AlignVCenter : Qt::AlignLeft | Qt::AlignVCenter);
        QObject::connect(line, &QLineEdit::textChanged, host, [host, id] { host->Notify(id, EN_CHANGE); });
        edit = line;
    }
    edit->setFocusPolicy(HasStyle(c, WS_TABSTOP) ? Qt::StrongFocus : Qt::ClickFocus);
    if (c.id >= 0)
        edit->installEventFilter(new EditFocusWatcher(host, id));
    return edit;
}

QWidget* CreateStatic(const ControlTemplate& c, DialogWindow* host)
{
    // Pictures and icons name their image in the caption; the text is for
    // plain statics only.
    // Marked before its text is set: setting it already asks for the
    // label's accessible interface when assistive technology listens.
    auto* label = new QLabel(host);
    const bool result = IsResultField(c);
    if (result)
        MarkReadOnlyForAssistiveTech(label);
    if (c.kind == ControlKind::Static)
        label->setText(Caption(c));
    if (c.kind == ControlKind::Picture) {
        // Bitmap N is res/BitmapN.bmp, drawn for the control's size at the
        // usual font; scaled so the picture keeps to its rectangle at any
        // font. A missing bitmap leaves the control empty.
        LoadCompiledResources();
        label->setPixmap(QPixmap::fromImage(ReadImageAs(QStringLiteral(":/Bitmap%1.bmp").arg(Caption(c)), "bmp")));
        label->setScaledContents(true);
    }
    if (c.kind == ControlKind::Icon) {
        // Icon N at the size of a window icon; the control keeps to its
        // top-left corner, as a static icon does.
        if (HICON icon = LoadIcon(static_cast<UINT>(Caption(c).toUInt())))
            label->setPixmap(icon->icon.pixmap(32, 32));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setFocusPolicy(Qt::NoFocus);
        return label;
    }
    label->setAlignment(StaticAlignment(c));
    label->setTextFormat(Qt::PlainText);
    // A static text wraps at blanks, as it does on Windows, when its
    // rectangle holds two lines or more (the credit card's final payment,
    // "you owe ... after 20 years"). One-line labels never wrap: a word
    // pushed onto a line that cannot show would vanish, while a line cut at
    // the edge keeps most of it.
    const PixelRect r = DialogRectToPixels(c.x, c.y, c.cx, c.cy, host->baseUnits);
    if (c.kind == ControlKind::Static && r.height >= 2 * QFontMetrics(host->font()).lineSpacing())
        label->setWordWrap(true);
    if (HasStyle(c, SS_SUNKEN))
        label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    else if (HasStyle(c, WS_BORDER))
        label->setFrameStyle(QFrame::Box | QFrame::Plain);  // a thin line, as a bordered static has
    // A static with a tab stop takes the focus (and shows nothing of it).
    label->setFocusPolicy(HasStyle(c, WS_TABSTOP) ? Qt::TabFocus : Qt::NoFocus);
    if (result) {
        // A result can be selected with the mouse and copied (Ctrl+C or its
        // context menu). Tab stops at it whatever its template says, so a
        // user who cannot see it reaches it from the keyboard and hears it
        // read (a screen reader reads what takes the focus).
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        label->setFocusPolicy(Qt::StrongFocus);
    }
    return label;
}

QWidget* CreateGroupBox(const ControlTemplate& c, DialogWindow* host)
{
    auto* group = new QGroupBox(Caption(c), host);
    group->setFocusPolicy(Qt::NoFocus);
    // A group box only frames its neighbours: it lies beneath them and lets
    // their clicks through.
    group->setAttribute(Qt::WA_TransparentForMouseEvents);
    return group;
}

// The month calendar: the current month, ISO week numbers down the side
// (weeks begin on Monday), browsed with the widget's own buttons and keys.
// WS_EX_CLIENTEDGE sinks it into the window. Nothing in the program
// addresses it; it takes the focus as one tab stop.
//
// The calendar widget is the dearest control of all to build (its table,
// menus and themed arrows cost more than the rest of the window together),
// so its sunken frame comes with the window and the calendar itself right
// after the frame is first painted: the window maps without waiting for it.
class CalendarFrame : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QFrame::paintEvent(event);
        if (!m_scheduled) {
            m_scheduled = true;
            QMetaObject::invokeMethod(this, [this] { BuildCalendar(); }, Qt::QueuedConnection);
        }
    }

private:
    void BuildCalendar()
    {
        auto* calendar = new QCalendarWidget(this);
        calendar->setFirstDayOfWeek(Qt::Monday);
        calendar->setVerticalHeaderFormat(QCalendarWidget::ISOWeekNumbers);
        calendar->setHorizontalHeaderFormat(QCalendarWidget::SingleLetterDayNames);
        calendar->setGridVisible(false);
        auto* layout = new QHBoxLayout(this);
        const int edge = frameWidth();
        layout->setContentsMargins(edge, edge, edge, edge);
        layout->addWidget(calendar);
        const bool hadFocus = hasFocus();
        // Made last, the calendar would come last in the tab order: it
        // follows its frame there instead, and the frame hands it the focus.
        QWidget::setTabOrder(this, calendar);
        setFocusProxy(calendar);
        calendar->setAccessibleName(accessibleName());
        calendar->show();
        if (hadFocus)
            calendar->setFocus();
    }

    bool m_scheduled = false;
};

QWidget* CreateMonthCalendar(const ControlTemplate& c, DialogWindow* host)
{
    auto* frame = new CalendarFrame(host);
    if (HasStyle(c, WS_EX_CLIENTEDGE))
        frame->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    frame->setFocusPolicy(HasStyle(c, WS_TABSTOP) ? Qt::StrongFocus : Qt::NoFocus);
    return frame;
}

// A framed area that a control made later fills: the animation control's
// placeholder. It takes the focus when the template gives it a tab stop.
QWidget* CreatePlaceholder(const ControlTemplate& c, DialogWindow* host)
{
    auto* frame = new QFrame(host);
    frame->setFrameStyle((HasStyle(c, WS_EX_CLIENTEDGE) ? QFrame::Panel | QFrame::Sunken : QFrame::Box | QFrame::Plain));
    frame->setFocusPolicy(HasStyle(c, WS_TABSTOP) ? Qt::TabFocus : Qt::NoFocus);
    return frame;
}

}  // namespace

QWidget* CreateControl(const ControlTemplate& c, DialogWindow* host)
{
    QWidget* widget = nullptr;
    switch (c.kind) {
    case ControlKind::PushButton:
    case ControlKind::DefPushButton:
    case ControlKind::RadioButton: widget = CreateButton(c, host); break;
    case ControlKind::Edit: widget = CreateEdit(c, host); break;
    case ControlKind::Static:
    case ControlKind::Picture:
    case ControlKind::Icon: widget = CreateStatic(c, host); break;
    case ControlKind::GroupBox: widget = CreateGroupBox(c, host); break;
    case ControlKind::MonthCalendar: widget = CreateMonthCalendar(c, host); break;
    case ControlKind::Animation: widget = CreatePlaceholder(c, host); break;
    }
    const PixelRect r = DialogRectToPixels(c.x, c.y, c.cx, c.cy, host->baseUnits);
    widget->setGeometry(r.x, r.y, r.width, r.height);
    widget->setEnabled(!HasStyle(c, WS_DISABLED));
    widget->setVisible(!HasStyle(c, WS_HIDDEN_CONTROL));
    if (c.kind == ControlKind::GroupBox)
        widget->lower();
    return widget;
}
