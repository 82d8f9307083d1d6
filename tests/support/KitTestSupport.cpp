#include "KitTestSupport.h"

#include <native/KitRuntime.h>
#include <native/LooperThread.h>
#include <native/MenuItemState.h>
#include <native/MenuState.h>
#include <native/MessageEvent.h>
#include <native/ViewState.h>
#include <native/WindowState.h>

#include <Application.h>
#include <MenuField.h>
#include <View.h>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDir>
#include <QHelpEvent>
#include <QListWidget>
#include <QMenu>
#include <QPainter>
#include <QPushButton>
#include <QTest>
#include <QToolTip>

#include <cstdlib>
#include <map>
#include <stdexcept>

namespace kittest {

namespace {

QWidget* WidgetOf(const BView* view) { return kit::ViewState::Of(view).Widget(); }

QWidget* WindowWidgetOf(const BWindow* window) { return kit::WindowState::Of(window).widget; }

QWidget* FocusTarget(BWindow* window)
{
    QWidget* focus = WindowWidgetOf(window)->focusWidget();
    return focus != nullptr ? focus : WindowWidgetOf(window);
}

Qt::Key QtKeyFor(uchar key)
{
    static const std::map<uchar, Qt::Key> keys = {
        {B_ENTER, Qt::Key_Return},    {B_BACKSPACE, Qt::Key_Backspace},
        {B_TAB, Qt::Key_Tab},         {B_ESCAPE, Qt::Key_Escape},
        {B_LEFT_ARROW, Qt::Key_Left}, {B_DOWN_ARROW, Qt::Key_Down},
        {B_HOME, Qt::Key_Home},       {B_END, Qt::Key_End},
        {B_DELETE, Qt::Key_Delete},   {' ', Qt::Key_Space},
        {B_PAGE_UP, Qt::Key_PageUp},  {B_PAGE_DOWN, Qt::Key_PageDown}};
    return keys.at(key);
}

void TypeText(QWidget* target, const char* text)
{
    for (QChar c : QString::fromUtf8(text)) {
        Qt::Key key = c.unicode() < 0x80 ? Qt::Key(QChar(c).toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, target, key, QString(c), Qt::NoModifier);
    }
}

// The widget a person's pointer at (x, y) of the window reaches, and the point in it.
std::pair<QWidget*, QPoint> PointedAt(BWindow* window, float x, float y)
{
    QWidget* background = WindowWidgetOf(window);
    const QPoint point(qRound(x), qRound(y));
    QWidget* target = background->childAt(point);
    return target ? std::pair(target, target->mapFrom(background, point))
                  : std::pair(background, point);
}

} // namespace

void StartKit()
{
    // Test discovery and fuzzers run without CTest's environment: stay headless regardless.
    setenv("QT_QPA_PLATFORM", "offscreen", 0);
    kit::EnsureApplication();
    // No session clipboard offscreen: give pastes something to try to put in.
    QApplication::clipboard()->setText("pasted");
}

namespace {

// Delivers what is posted to windows until nothing is left, waiting for the looper threads'
// work too when asked to.
void Deliver(bool waitForThreads)
{
    // Handling a message may post more; a bound keeps a message loop in a test from hanging.
    for (int round = 0; round < 10000; ++round) {
        // Window-system events too: activation and focus changes arrive that way.
        QCoreApplication::processEvents();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        const int busy = waitForThreads ? kit::LooperThreads::Busy() : 0;
        if (kit::MessageEvent::PendingCount() == 0 && busy == 0)
            break;
        if (kit::MessageEvent::PendingCount() == 0)
            kit::LooperThreads::WaitForChange(busy);
    }
    kit::DestroyQuitLoopers();
}

} // namespace

void DeliverPostedMessages() { Deliver(true); }

void DeliverWindowMessages() { Deliver(false); }

std::vector<BWindow*> WindowsTitled(const char* title)
{
    std::vector<BWindow*> found;
    for (int32 i = 0; be_app != nullptr && i < be_app->CountWindows(); ++i)
        if (std::string_view(be_app->WindowAt(i)->Title()).starts_with(title))
            found.push_back(be_app->WindowAt(i));
    return found;
}

void Click(BView* view) { QTest::mouseClick(WidgetOf(view), Qt::LeftButton); }

void Type(BWindow* window, const char* text) { TypeText(FocusTarget(window), text); }

void PressKey(BWindow* window, uchar key) { QTest::keyClick(FocusTarget(window), QtKeyFor(key)); }

void TypeInto(BView* view, const char* text) { TypeText(WidgetOf(view), text); }

void PressKeyIn(BView* view, uchar key) { QTest::keyClick(WidgetOf(view), QtKeyFor(key)); }

void PressShortcut(BView* view, char letter)
{
    QTest::keyClick(WidgetOf(view), letter, Qt::ControlModifier);
}

void PressChord(BWindow* window, char letter)
{
    QWidget* widget = WindowWidgetOf(window);
    widget->activateWindow();
    QApplication::setActiveWindow(widget);
    QTest::keyClick(FocusTarget(window), letter, Qt::ControlModifier);
}

void PressShiftTab(BWindow* window)
{
    QTest::keyClick(FocusTarget(window), Qt::Key_Backtab, Qt::ShiftModifier);
}

void PressKeypadEnter(BView* view)
{
    QTest::keyClick(WidgetOf(view), Qt::Key_Enter, Qt::KeypadModifier);
}

void ClickAt(BWindow* window, float x, float y)
{
    const auto [target, point] = PointedAt(window, x, y);
    QTest::mouseClick(target, Qt::LeftButton, Qt::NoModifier, point);
}

std::string CopyWithContextMenuAt(BWindow* window, float x, float y)
{
    const auto [target, point] = PointedAt(window, x, y);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr)
        return "";
    menu->actions().front()->trigger();
    menu->close();
    return ClipboardText();
}

std::string ClipboardText() { return QApplication::clipboard()->text().toStdString(); }

std::string ToolTipAt(BWindow* window, float x, float y)
{
    QToolTip::hideText();
    const auto [target, point] = PointedAt(window, x, y);
    QHelpEvent event(QEvent::ToolTip, point, target->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
    return QToolTip::isVisible() ? QToolTip::text().toStdString() : "";
}

std::vector<std::string> ContextMenuAt(BWindow* window, float x, float y)
{
    const auto [target, point] = PointedAt(window, x, y);
    QContextMenuEvent event(QContextMenuEvent::Mouse, point, target->mapToGlobal(point));
    QApplication::sendEvent(target, &event);
    DeliverPostedMessages();
    std::vector<std::string> items;
    if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget()))
        for (QAction* action : menu->actions())
            items.push_back(action->text().toStdString());
    return items;
}

void ChooseFromOpenMenu(size_t index)
{
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr || index >= size_t(menu->actions().size()))
        return;
    menu->actions()[qsizetype(index)]->trigger();
    menu->close();
}

std::vector<std::string> MenuTexts(BMenu* menu)
{
    QMenu* shown = kit::MenuState::Of(menu).qmenu.get();
    // Opening it lets it fill in what it shows only when opened.
    emit shown->aboutToShow();
    std::vector<std::string> texts;
    for (QAction* action : shown->actions())
        texts.push_back(action->text().toStdString());
    return texts;
}

bool IsMarked(BView* view) { return view->ViewColor().alpha != 0; }

void ClickLine(BView* list, int32 line)
{
    auto* shown = static_cast<QListWidget*>(WidgetOf(list));
    const QRect at = shown->visualItemRect(shown->item(line));
    QTest::mouseClick(shown->viewport(), Qt::LeftButton, Qt::NoModifier, at.center());
}

bool DrawnOnWindowColour(BView* view)
{
    const QColor window = WindowWidgetOf(view->Window())->palette().color(QPalette::Window);
    return WidgetOf(view)->grab().toImage().pixelColor(1, 1) == window;
}

void Minimize(BWindow* window) { WindowWidgetOf(window)->showMinimized(); }

bool IsMinimized(const BWindow* window) { return WindowWidgetOf(window)->isMinimized(); }

unsigned RegisterWithAccessibility(BView* view)
{
    return QAccessible::uniqueId(QAccessible::queryAccessibleInterface(WidgetOf(view)));
}

bool AccessibilityKnows(unsigned id) { return QAccessible::accessibleInterface(id) != nullptr; }

void ChooseMenuItem(BMenuField* field, int32 index)
{
    QTest::mouseClick(WidgetOf(field)->findChild<QPushButton*>(), Qt::LeftButton);
    QMenu* menu = kit::MenuState::Of(field->Menu()).qmenu.get();
    BMenuItem* item = field->Menu()->ItemAt(index);
    QPoint where = menu->actionGeometry(kit::MenuItemState::Of(item).action.get()).center();
    QTest::mouseMove(menu, where);
    QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, where);
}

int32 OpenMenuWithKey(BMenuField* field, uchar key)
{
    QTest::keyClick(WidgetOf(field)->findChild<QPushButton*>(), QtKeyFor(key));
    QMenu* menu = kit::MenuState::Of(field->Menu()).qmenu.get();
    if (!menu->isVisible())
        return -1;
    const int32 highlighted = static_cast<int32>(menu->actions().indexOf(menu->activeAction()));
    menu->hide();
    return highlighted;
}

bool ShowsCheckBox(const BMenuItem* item)
{
    return kit::MenuItemState::Of(item).action->isCheckable();
}

void CloseWindow(BWindow* window) { WindowWidgetOf(window)->close(); }

std::string SaveScreenshot(const std::vector<BWindow*>& windows, const char* name)
{
    QRect area;
    for (BWindow* window : windows)
        area |= WindowWidgetOf(window)->geometry().adjusted(-10, -30, 10, 10);
    QPixmap desktop(area.size());
    desktop.fill(QColor(80, 100, 130));
    QPainter painter(&desktop);
    for (BWindow* window : windows) {
        QWidget* widget = WindowWidgetOf(window);
        widget->show();
        QCoreApplication::processEvents();
        const QPoint at = widget->geometry().topLeft() - area.topLeft();
        // A plain title bar, 20 pixels high, above the window.
        painter.fillRect(at.x(), at.y() - 20, widget->width(), 20, QColor(250, 220, 80));
        painter.drawText(at + QPoint(6, -6), QString::fromUtf8(window->Title()));
        painter.drawPixmap(at, widget->grab());
    }
    QDir().mkpath(PCIZ_SCREENSHOT_DIR);
    const std::string path = std::string(PCIZ_SCREENSHOT_DIR) + "/" + name + ".png";
    if (!desktop.save(QString::fromStdString(path)))
        throw std::runtime_error("could not write " + path);
    return path;
}

void Repaint(BWindow* window) { WindowWidgetOf(window)->repaint(); }

} // namespace kittest
