// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "mainwindow.h"

#include "form.h"
#include "helpwindow.h"

#include <QAccessibleWidget>
#include <QApplication>
#include <QDialog>
#include <QImageReader>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTranslator>
#include <qdrawutil.h>

#include <algorithm>
#include <iterator>
#include <utility>

namespace {

// Reads one of the window's own pictures. Naming the format and forbidding
// guesses keeps Qt from loading every image plugin it has at start-up.
QImage ReadImage(const QString &fileName, const char *format)
{
    QImageReader reader(fileName, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// A list box that leaves what the user's presses, keys and typed characters
// select to the window (form::Window), and selects nothing by itself: every
// selection in Available crosses a bridge, and must be exactly the entry
// chosen. A press of the left button is one; the release, moves with the
// button held (by then the list under it has been refilled), the other
// buttons and the second press of a double-click (it would land on whatever
// entry the first press's crossing moved under the pointer) are none. A
// selection made through the accessibility interface still reaches the
// window, as a press on that entry.
class ListBox : public QListWidget
{
public:
    ListBox(QWidget *parent, form::Window &window, int index) : QListWidget(parent), window_(window), index_(index)
    {
        connect(this, &QListWidget::itemSelectionChanged, this, [this] {
            const QList<QListWidgetItem *> selected = selectedItems();
            if (!selected.isEmpty())
                window_.List1_Press(index_, row(selected.first()));
        });
    }

protected:
    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event) const override
    {
        return event ? QItemSelectionModel::NoUpdate : QListWidget::selectionCommand(index, event);
    }

    void mousePressEvent(QMouseEvent *event) override
    {
        if (event->button() != Qt::LeftButton)
            return;
        setFocus(Qt::MouseFocusReason);
        window_.List1_Press(index_, indexAt(event->position().toPoint()).row());
    }
    void mouseMoveEvent(QMouseEvent *event) override
    {
        if (event->buttons() == Qt::NoButton)
            QListWidget::mouseMoveEvent(event);
    }
    void mouseReleaseEvent(QMouseEvent *event) override { event->accept(); }
    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }

    // The keys that select an entry go to the window, with the entry the
    // focus rests on. With Ctrl, Alt or Meta they are Qt's, which then only
    // moves the focus; Tab is Qt's, and typed characters come back through
    // keyboardSearch.
    void keyPressEvent(QKeyEvent *event) override
    {
        static constexpr std::pair<int, form::ListKey> kKeys[] = {
            {Qt::Key_Up, form::ListKey::Up},         {Qt::Key_Down, form::ListKey::Down},
            {Qt::Key_Home, form::ListKey::Home},     {Qt::Key_End, form::ListKey::End},
            {Qt::Key_PageUp, form::ListKey::PageUp}, {Qt::Key_PageDown, form::ListKey::PageDown},
            {Qt::Key_Space, form::ListKey::Space}};
        const auto found = std::find_if(std::begin(kKeys), std::end(kKeys), [&](const auto &k) { return k.first == event->key(); });
        if (found == std::end(kKeys) || event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
            QListWidget::keyPressEvent(event);
            return;
        }
        const int rowHeight = sizeHintForRow(0);
        window_.List1_Key(index_, found->second, currentRow(), rowHeight > 0 ? viewport()->height() / rowHeight : 1);
    }
    void keyboardSearch(const QString &search) override
    {
        window_.List1_Typed(index_, search.toStdString(), currentRow());
    }

    // An empty list that holds the focus shows it with a dotted outline just
    // inside its border; the rest keeps the list's colour.
    void paintEvent(QPaintEvent *event) override
    {
        QListWidget::paintEvent(event);
        if (!hasFocus() || currentIndex().isValid())
            return;
        QPainter painter(viewport());
        painter.setPen(QPen(palette().color(QPalette::Text), 1, Qt::DotLine));
        painter.drawRect(viewport()->rect().adjusted(1, 1, -2, -2));
    }

private:
    form::Window &window_;
    int index_;
};

// A push button drawn flat in its own background colour with a raised (or,
// while held, sunken) edge, so the colour shows under every widget style.
class ColourButton : public QPushButton
{
public:
    using QPushButton::QPushButton;

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter painter(this);
        const QBrush fill = palette().button();
        qDrawWinButton(&painter, rect(), palette(), isDown(), &fill);
        QStyleOptionButton option;
        initStyleOption(&option);
        if (isDown())
            option.rect.translate(1, 1);
        style()->drawControl(QStyle::CE_PushButtonLabel, &option, &painter, this);
        if (hasFocus()) {
            QStyleOptionFocusRect focus;
            focus.initFrom(this);
            focus.rect = rect().adjusted(4, 4, -4, -4);
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
        }
    }
};

// The bridge map with the lands' letters of a language, in a 2-pixel sunken
// frame. The picture is made when it is first painted, in the resolution
// the screen asks for.
class MapBox : public QFrame
{
public:
    MapBox(QWidget *parent, const content::Lands &lands) : QFrame(parent), lands_(lands)
    {
        setFrameStyle(QFrame::Panel | QFrame::Sunken);
        setLineWidth(2);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        const int ratio = devicePixelRatioF() > 1 ? 2 : 1;
        if (map_.isNull() || map_.devicePixelRatio() != ratio)
            map_ = QPixmap::fromImage(MainWindow::MapPicture(lands_, ratio));
        QPainter(this).drawPixmap(contentsRect().topLeft(), map_);
    }

private:
    const content::Lands &lands_;
    QPixmap map_;
};

// A label that heads the window, which screen readers announce as a heading.
class HeadingAccessible : public QAccessibleWidget
{
public:
    explicit HeadingAccessible(QWidget *label) : QAccessibleWidget(label, QAccessible::Heading) {}
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? static_cast<const QLabel *>(widget())->text() : QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *HeadingFactory(const QString &, QObject *object)
{
    const bool heading = object && object->isWidgetType() && object->property("heading").toBool();
    return heading ? new HeadingAccessible(static_cast<QWidget *>(object)) : nullptr;
}

QColor Colour(form::Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

void SetColour(QWidget *widget, QPalette::ColorRole role, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace

QImage MainWindow::MapPicture(const content::Lands &lands, int ratio)
{
    QImage map = (ratio == 2 ? ReadImage(QStringLiteral(":/map@2x.png"), "PNG") : ReadImage(QStringLiteral(":/map.bmp"), "BMP"))
                     .convertToFormat(QImage::Format_RGB32);
    map.setDevicePixelRatio(ratio);
    QPainter painter(&map);
    painter.setRenderHint(QPainter::Antialiasing);
    for (std::size_t i = 0; i < lands.size(); ++i) {
        // The letter's outline as the font draws it large, made small: the
        // same shape whatever size the font was last hinted for.
        const form::MapLetter &letter = form::kMapLetters[i];
        QFont font = ControlFont();
        font.setPixelSize(letter.pixels * 16);
        font.setWeight(QFont::Weight(form::kMapLetterWeight));
        QPainterPath path;
        path.addText(0, 0, font, QString::fromUtf8(lands[i]));
        path = QTransform::fromScale(1.0 / 16, 1.0 / 16).map(path);
        path.translate(QPointF(letter.x, letter.y) - path.boundingRect().center());
        painter.strokePath(path, QPen(Colour(form::kMapOutlineColour), form::kMapOutline));
        painter.fillPath(path, Colour(form::kMapLetterColour));
    }
    return map;
}

QFont MainWindow::ControlFont()
{
    QFont font(QString::fromLatin1(form::kFont.face), form::kFont.points, form::kFont.weight);
    font.setStyleHint(QFont::Serif);
    return font;
}

void MainWindow::PrepareApplication(const content::Texts &texts, bool keepStyle)
{
    if (!keepStyle)
        QApplication::setStyle(QStringLiteral("Fusion"));
    QAccessible::installFactory(HeadingFactory); // a heading told as one; Qt keeps a factory once
    QApplication::setFont(ControlFont());
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_%1").arg(QLatin1String(texts.code)), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(translator);
    else
        delete translator; // Qt's own strings then stay in English
}

QPalette MainWindow::FixedPalette()
{
    QPalette palette = QApplication::style()->standardPalette();
    // Setting a role marks it as the widget's own, so that the desktop's
    // palette no longer shows through it.
    for (int group = 0; group < QPalette::NColorGroups; ++group) {
        for (int role = 0; role < QPalette::NColorRoles; ++role) {
            const auto g = QPalette::ColorGroup(group);
            const auto r = QPalette::ColorRole(role);
            palette.setBrush(g, r, palette.brush(g, r));
        }
    }
    return palette;
}

MainWindow::MainWindow(const content::Texts &texts, QWidget *parent)
    : QWidget(parent), texts_(texts), window_(*this, texts.lands)
{
    setWindowTitle(QString::fromUtf8(texts.caption));
    setWindowIcon(QIcon(QPixmap::fromImage(ReadImage(QStringLiteral(":/kelvani-32.png"), "PNG"))));
    setFixedSize(form::Pixels(form::kWidth, 96), form::Pixels(form::kHeight, 96));
    QPalette colours = FixedPalette();
    colours.setColor(QPalette::Window, Colour(form::kWindowColour));
    for (const QPalette::ColorRole role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText})
        colours.setColor(role, Colour(form::kTextColour));
    colours.setColor(QPalette::Base, Qt::white);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(ControlFont());

    // Built from the window's definition, in its order, which is also the
    // order in which Tab visits the controls that take the focus.
    std::array<QWidget *, form::kControls.size()> widgets{};
    for (std::size_t i = 0; i < form::kControls.size(); ++i) {
        const form::Control &control = form::kControls[i];
        const char *utf8 = form::Text(control, texts);
        const QString text = utf8 ? QString::fromUtf8(utf8) : QString();
        QWidget *widget = nullptr;
        switch (control.kind) {
        case form::Kind::TextBox: {
            auto *edit = new QPlainTextEdit(this);
            edit->setReadOnly(true);
            edit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
            edit->setTabChangesFocus(true);
            edit->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
            edit->setPlainText(text);
            widget = Text1[control.index] = edit;
            break;
        }
        case form::Kind::Label: {
            // Its role set before its text, which already tells screen readers of it.
            auto *label = new QLabel(this);
            label->setProperty("heading", control.role == form::Role::Heading);
            label->setText(text);
            label->setAlignment(Qt::AlignCenter);
            widget = Label1[control.index] = label;
            break;
        }
        case form::Kind::ListBox: {
            auto *list = new ListBox(this, window_, control.index);
            list->setUniformItemSizes(true); // every entry is one line of four characters
            widget = List1[control.index] = list;
            break;
        }
        case form::Kind::PictureBox:
            widget = Picture1 = new MapBox(this, texts.lands);
            break;
        case form::Kind::CommandButton:
            widget = Command1 = new ColourButton(text, this);
            Command1->setAutoDefault(true); // Enter presses it when it has the focus, as Space does
            connect(Command1, &QPushButton::clicked, this, [this] { window_.Command1_Click(); });
            break;
        }
        widgets[i] = widget;
        widget->setObjectName(control.index < 0 ? QString::fromLatin1(control.name)
                                                : QStringLiteral("%1_%2").arg(QLatin1String(control.name)).arg(control.index));
        const form::Rect place = form::Pixels(control.place, 96); // Qt scales for denser screens itself
        widget->setGeometry(place.left, place.top, place.width, place.height);
        if (control.background) {
            const auto role = control.kind == form::Kind::ListBox ? QPalette::Base
                            : control.kind == form::Kind::CommandButton ? QPalette::Button : QPalette::Window;
            SetColour(widget, role, Colour(*control.background));
        }
        if (control.shown) {
            if (const char *name = form::AccessibleName(control, texts))
                widget->setAccessibleName(QString::fromUtf8(name));
            widget->setAccessibleDescription(QString::fromStdString(form::AccessibleDescription(control, texts)));
        } else {
            widget->hide();
        }
    }

    new QShortcut(QKeySequence::HelpContents, this, this, &MainWindow::ShowHelp);
    widgets[form::kFirstFocus]->setFocus();

    window_.Load(); // the walk starts fresh before the first show
}

// The list's own signals stay quiet meanwhile: only the user selects.
void MainWindow::FillList(int index, const std::vector<std::string> &entries, bool followsEnd)
{
    QListWidget *view = List1[index];
    const QSignalBlocker quiet(view);
    view->clear();
    for (const std::string &text : entries)
        view->addItem(QString::fromStdString(text));
    // A refilled list that has the keyboard focus rests it on its first
    // entry, as Tab into the list does, so that a screen reader reads out
    // where the walk can go on; Space crosses it. Crossed rests it on its
    // newest entry, which says where the walker stands, focused or not.
    if ((followsEnd || view->hasFocus()) && view->count() > 0)
        view->selectionModel()->setCurrentIndex(view->model()->index(followsEnd ? view->count() - 1 : 0, 0),
                                                QItemSelectionModel::NoUpdate);
    if (followsEnd)
        view->scrollToBottom();
}

void MainWindow::SelectEntry(int index, int row)
{
    QListWidget *view = List1[index];
    const QSignalBlocker quiet(view);
    if (row >= 0)
        view->setCurrentRow(row, QItemSelectionModel::ClearAndSelect);
    else
        view->clearSelection();
}

void MainWindow::ShowHelp()
{
    if (!help_) // built on first use, so that start-up pays nothing for it
        help_ = CreateHelpWindow(this, texts_);
    help_->show();
    help_->raise();
    help_->activateWindow();
}
