// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 The Kelvani developers
#include "mainwindow.h"

#include "form.h"
#include "helpwindow.h"

#include <QApplication>
#include <QDialog>
#include <QImageReader>
#include <QLabel>
#include <QLibraryInfo>
#include <QListWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QShortcut>
#include <QSignalBlocker>
#include <QTranslator>
#include <qdrawutil.h>

namespace {

// Reads one of the window's own pictures. Naming the format and forbidding
// guesses keeps Qt from loading every image plugin it has at start-up.
QImage ReadImage(const QString &fileName, const char *format)
{
    QImageReader reader(fileName, format);
    reader.setAutoDetectImageFormat(false);
    return reader.read();
}

// A list box whose selection moves only on a press of the left button or on
// a key. Every selection in Available crosses a bridge, so the other buttons
// must not select, nor may dragging: by then the list under the held button
// has been refilled by the crossing. For the same reason the second press of
// a double-click selects nothing: it would land on whatever entry the first
// press's crossing moved under the pointer.
//
// A list that grows at its end (Crossed, whose newest entry says where the
// walker stands) scrolls to that end whenever it lays out its entries anew,
// which costs nothing beyond the layout the view does anyway.
class ListBox : public QListWidget
{
public:
    ListBox(QWidget *parent, bool followsEnd) : QListWidget(parent), followsEnd_(followsEnd) {}

protected:
    void doItemsLayout() override
    {
        QListWidget::doItemsLayout();
        if (followsEnd_)
            scrollToBottom();
    }

    QItemSelectionModel::SelectionFlags selectionCommand(const QModelIndex &index, const QEvent *event) const override
    {
        switch (event ? event->type() : QEvent::None) {
        case QEvent::MouseMove:
            return QItemSelectionModel::NoUpdate;
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
            if (static_cast<const QMouseEvent *>(event)->button() != Qt::LeftButton)
                return QItemSelectionModel::NoUpdate;
            break;
        default:
            break;
        }
        return QListWidget::selectionCommand(index, event);
    }

    void mouseDoubleClickEvent(QMouseEvent *event) override { event->accept(); }

    // A key that moves to an entry selects it, also when the focus already
    // rests there unselected (Home or Page Up on the first entry after a
    // refill): Qt's view moves nothing then, and so would select nothing.
    void keyPressEvent(QKeyEvent *event) override
    {
        const QPersistentModelIndex before = currentIndex(); // invalid once the list is refilled
        QListWidget::keyPressEvent(event);
        switch (event->key()) {
        case Qt::Key_Up: case Qt::Key_Down: case Qt::Key_Home: case Qt::Key_End:
        case Qt::Key_PageUp: case Qt::Key_PageDown:
            if (before.isValid() && before == currentIndex() && !selectionModel()->isSelected(before))
                selectionModel()->select(before, QItemSelectionModel::ClearAndSelect);
            break;
        default:
            break;
        }
    }

    // A typed character selects the next entry that starts with it, from the
    // entry the focus rests on if that is not selected yet. Unlike Qt's own
    // search, characters typed in quick succession do not add up to one
    // text: in Available each selection refills the list, and Space, which
    // Qt also passes on as a search, would otherwise pick a second entry
    // ("7" then Space searching for "7 ").
    void keyboardSearch(const QString &search) override
    {
        const QString key = search.trimmed();
        if (key.size() != 1 || count() == 0)
            return;
        const int from = currentItem() && currentItem()->isSelected() ? currentRow() + 1 : qMax(currentRow(), 0);
        for (int k = 0; k < count(); ++k) {
            const int row = (from + k) % count();
            if (item(row)->text().startsWith(key)) {
                setCurrentRow(row);
                return;
            }
        }
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
    bool followsEnd_;
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

// The bridge map in a 2-pixel sunken frame. The picture is read when it is
// first painted, in the resolution the screen asks for.
class MapBox : public QFrame
{
public:
    explicit MapBox(QWidget *parent) : QFrame(parent) { setFrameStyle(QFrame::Panel | QFrame::Sunken); setLineWidth(2); }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QFrame::paintEvent(event);
        const int ratio = devicePixelRatioF() > 1 ? 2 : 1;
        if (map_.isNull() || map_.devicePixelRatio() != ratio) {
            map_ = QPixmap::fromImage(ReadImage(ratio == 2 ? QStringLiteral(":/map@2x.bmp") : QStringLiteral(":/map.bmp"), "BMP"));
            map_.setDevicePixelRatio(ratio);
        }
        QPainter(this).drawPixmap(contentsRect().topLeft(), map_);
    }

private:
    QPixmap map_;
};

QColor Colour(form::Rgb rgb) { return QColor(rgb.r, rgb.g, rgb.b); }

void SetColour(QWidget *widget, QPalette::ColorRole role, QColor colour)
{
    QPalette palette = widget->palette();
    palette.setColor(role, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

// Puts a list box's items and selection in step with the walk's list. The
// list's own signals stay quiet meanwhile: only the user selects.
void ShowList(QListWidget *view, const walk::ItemList &list)
{
    const QSignalBlocker quiet(view);
    bool same = view->count() == list.ListCount();
    for (int i = 0; same && i < view->count(); ++i)
        same = view->item(i)->text() == QString::fromStdString(list.List(i));
    if (!same) {
        view->clear();
        for (const std::string &text : list.Items())
            view->addItem(QString::fromStdString(text));
        // A refilled list that has the keyboard focus rests it on its first
        // entry, as Tab into the list does, so that a screen reader reads
        // out where the walk can go on; Space crosses it.
        if (view->hasFocus() && view->count() > 0)
            view->selectionModel()->setCurrentIndex(view->model()->index(0, 0), QItemSelectionModel::NoUpdate);
    }
    if (list.ListIndex() >= 0)
        view->setCurrentRow(list.ListIndex(), QItemSelectionModel::ClearAndSelect);
    else
        view->clearSelection();
}

} // namespace

QFont MainWindow::ControlFont()
{
    QFont font(QString::fromLatin1(form::kFont.face), form::kFont.points, form::kFont.weight);
    font.setStyleHint(QFont::Serif);
    return font;
}

void MainWindow::PrepareApplication(bool keepStyle)
{
    if (!keepStyle)
        QApplication::setStyle(QStringLiteral("Fusion"));
    QApplication::setFont(ControlFont());
    auto *translator = new QTranslator(qApp);
    if (translator->load(QStringLiteral("qtbase_bg"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
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

MainWindow::MainWindow(QWidget *parent) : QWidget(parent)
{
    setWindowTitle(content::kCaption);
    setWindowIcon(QIcon(QPixmap::fromImage(ReadImage(QStringLiteral(":/kelvani-32.png"), "PNG"))));
    setFixedSize(form::Pixels(form::kWidth, 96), form::Pixels(form::kHeight, 96));
    QPalette colours = FixedPalette();
    colours.setColor(QPalette::Window, Colour(form::kWindowColour));
    colours.setColor(QPalette::WindowText, Qt::black);
    colours.setColor(QPalette::Base, Qt::white);
    colours.setColor(QPalette::Text, Qt::black);
    colours.setColor(QPalette::ButtonText, Qt::black);
    setPalette(colours);
    setAutoFillBackground(true);
    setFont(ControlFont());

    // Built from the window's definition, in its order, which is also the
    // order in which Tab visits the controls that take the focus.
    for (const form::Control &control : form::kControls) {
        const QString text = control.text ? QString::fromUtf8(control.text) : QString();
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
            auto *label = new QLabel(text, this);
            label->setAlignment(Qt::AlignCenter);
            widget = Label1[control.index] = label;
            break;
        }
        case form::Kind::ListBox: {
            auto *list = new ListBox(this, !walk_.List1[control.index].Sorted());
            list->setUniformItemSizes(true); // every entry is one line of four characters
            if (control.index != walk::kCatalogue)
                list->setAccessibleName(content::kLabelCaptions[control.index + 1]);
            connect(list, &QListWidget::itemSelectionChanged, this, [this, i = control.index] { List1_Click(i); });
            widget = List1[control.index] = list;
            break;
        }
        case form::Kind::PictureBox:
            widget = Picture1 = new MapBox(this);
            Picture1->setAccessibleName(content::kMapName);
            Picture1->setAccessibleDescription(content::kMapDescription);
            break;
        case form::Kind::CommandButton:
            widget = Command1 = new ColourButton(text, this);
            Command1->setAutoDefault(true); // Enter presses it when it has the focus, as Space does
            connect(Command1, &QPushButton::clicked, this, &MainWindow::Command1_Click);
            break;
        }
        widget->setObjectName(control.index < 0 ? QString::fromLatin1(control.name)
                                                : QStringLiteral("%1_%2").arg(QLatin1String(control.name)).arg(control.index));
        const form::Rect place = form::Pixels(control.place, 96); // Qt scales for denser screens itself
        widget->setGeometry(place.left, place.top, place.width, place.height);
        if (control.background) {
            const auto role = control.kind == form::Kind::ListBox ? QPalette::Base
                            : control.kind == form::Kind::CommandButton ? QPalette::Button : QPalette::Window;
            SetColour(widget, role, Colour(*control.background));
        }
        if (!control.shown)
            widget->hide();
    }

    new QShortcut(QKeySequence::HelpContents, this, this, &MainWindow::ShowHelp);

    Text1[0]->setAccessibleName(content::kStatementName);
    Text1[0]->setFocus();

    // What the window's Load does: the walk starts fresh before the first show.
    ShowList(List1[walk::kCatalogue], walk_.List1[walk::kCatalogue]);
    ResetWalk();
}

void MainWindow::Command1_Click()
{
    ResetWalk();
}

void MainWindow::List1_Click(int index)
{
    const QModelIndexList selected = List1[index]->selectionModel()->selectedIndexes();
    walk_.List1[index].Select(selected.isEmpty() ? -1 : selected.first().row());
    walk_.CrossBridge(index);
    ShowWalk();
}

void MainWindow::ResetWalk()
{
    walk_.ResetWalk();
    ShowWalk();
}

void MainWindow::ShowHelp()
{
    if (!help_) // built on first use, so that start-up pays nothing for it
        help_ = CreateHelpWindow(this);
    help_->show();
    help_->raise();
    help_->activateWindow();
}

void MainWindow::ShowWalk()
{
    for (int i : {walk::kAvailable, walk::kCrossed, walk::kRemaining})
        ShowList(List1[i], walk_.List1[i]);
}
