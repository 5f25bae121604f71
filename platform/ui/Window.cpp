#include "platform/ui/Window.h"

#include <algorithm>
#include <map>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QLineEdit>
#include <QMainWindow>
#include <QMenuBar>
#include <QResizeEvent>

#include "platform/data/SetProperties.h"
#include "platform/ui/Colors.h"
#include "platform/ui/MenuBarView.h"
#include "platform/ui/StoredPropertyList.h"
#include "platform/ui/StoredValues.h"
#include "platform/ui/TextField.h"

namespace platform::ui {

namespace {

class WindowFrame : public QMainWindow {
public:
    explicit WindowFrame(Window& window) : window_(&window) {}
    void Detach() { window_ = nullptr; }

protected:
    void closeEvent(QCloseEvent* event) override {
        event->accept();
        if (window_ != nullptr) {
            window_->FrameClosedByUser();
        }
    }

private:
    Window* window_;
};

class ContentWidget : public QWidget {
public:
    explicit ContentWidget(Window& window) : window_(&window) {}
    void Detach() { window_ = nullptr; }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QWidget::resizeEvent(event);
        if (window_ != nullptr) {
            window_->ContentResized(event->size().width(), event->size().height());
        }
    }

private:
    Window* window_;
};

// Holds a closed window until control is back in the event loop that closed it.
class DeferredRelease : public QObject {
public:
    explicit DeferredRelease(std::shared_ptr<Window> window) : window_(std::move(window)) {}

private:
    std::shared_ptr<Window> window_;
};

struct Registry {
    std::map<std::string, std::shared_ptr<Window>, std::less<>> open;
    std::vector<QPointer<DeferredRelease>> closing;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

// Releases every window before the application object goes, so that no widget outlives it.
void ReleaseAllWindows() {
    Registry& registry = TheRegistry();
    std::vector<QPointer<DeferredRelease>> closing = std::move(registry.closing);
    for (const auto& keeper : closing) {
        delete keeper.data();
    }
    auto open = std::move(registry.open);
    open.clear();
}

void EnsureReleaseAtExit() {
    static bool added = false;
    if (!added) {
        qAddPostRoutine(&ReleaseAllWindows);
        added = true;
    }
}

}  // namespace

Window* GetImplicitWindow(std::string_view className) {
    Registry& registry = TheRegistry();
    const auto found = registry.open.find(className);
    return found == registry.open.end() ? nullptr : found->second.get();
}

Window::Window() {
    EnsureReleaseAtExit();
    auto* frame = new WindowFrame(*this);
    auto* content = new ContentWidget(*this);
    frame->setCentralWidget(content);
    frame_ = frame;
    content_ = content;
    ApplyFlags();
    ApplyGeometry();
}

Window::~Window() {
    controls_.clear();
    if (frame_ != nullptr) {
        static_cast<WindowFrame*>(frame_.data())->Detach();
        static_cast<ContentWidget*>(content_.data())->Detach();
        delete frame_.data();
    }
}

std::string Window::DesignName() const {
    if (!implicitName_.empty()) {
        return implicitName_;
    }
    return title_.empty() ? std::string("Window") : "Window \"" + title_ + "\"";
}

void Window::Constructor(std::string_view implicitClassName) {
    if (constructed_) {
        throw RuntimeException(DesignName() + " is built already.");
    }
    std::shared_ptr<Window> self = weak_from_this().lock();
    if (self == nullptr) {
        throw NilObjectException("A window must be made with std::make_shared before it is built.");
    }
    constructed_ = true;
    implicitName_ = std::string(implicitClassName);
    Layout();
    CreateControls();
    ApplyTabOrder();
    FocusFirstTextField();
    if (!implicitName_.empty()) {
        TheRegistry().open[implicitName_] = self;
    }
    Open();
}

void Window::Show() {
    if (closed_) {
        throw RuntimeException(DesignName() + " is closed and cannot be shown again.");
    }
    visible_ = true;
    frame_->show();
    frame_->raise();
    frame_->activateWindow();
}

void Window::Hide() {
    Visible(false);
}

void Window::Close() {
    if (closed_) {
        return;
    }
    closed_ = true;
    visible_ = false;
    frame_->hide();
    std::shared_ptr<Window> self = weak_from_this().lock();
    Registry& registry = TheRegistry();
    if (!implicitName_.empty()) {
        const auto found = registry.open.find(implicitName_);
        if (found != registry.open.end() && found->second.get() == this) {
            registry.open.erase(found);
        }
    }
    if (self != nullptr) {
        auto* keeper = new DeferredRelease(std::move(self));
        registry.closing.emplace_back(keeper);
        keeper->deleteLater();
        std::erase_if(registry.closing, [](const auto& p) { return p.isNull(); });
    }
}

void Window::FrameClosedByUser() {
    Close();
}

void Window::ContentResized(int width, int height) {
    if (visible_ && frame_->isVisible()) {
        width_ = width;
        height_ = height;
        UpdateControlsFocus();
    }
}

void Window::MenuBar(std::shared_ptr<MenuItem> bar) {
    menuBar_ = std::move(bar);
    if (qtMenuBar_ != nullptr) {
        delete qtMenuBar_.data();
    }
    if (menuBar_ != nullptr) {
        QMenuBar* qtBar = MenuBarView::Build(*menuBar_, frame_);
        frame_->setMenuBar(qtBar);
        qtMenuBar_ = qtBar;
        qtBar->setVisible(menuBarVisible_);
    }
    ApplyGeometry();
}

void Window::Title(std::string title) {
    title_ = std::move(title);
    frame_->setWindowTitle(QString::fromStdString(title_));
}

void Window::Width(std::int64_t width) {
    width_ = std::max<std::int64_t>(width, 0);
    ApplyGeometry();
    UpdateControlsFocus();
}

void Window::Height(std::int64_t height) {
    height_ = std::max<std::int64_t>(height, 0);
    ApplyGeometry();
    UpdateControlsFocus();
}

void Window::MinWidth(std::int64_t value) {
    minWidth_ = value;
    ApplyGeometry();
}

void Window::MinHeight(std::int64_t value) {
    minHeight_ = value;
    ApplyGeometry();
}

void Window::MaxWidth(std::int64_t value) {
    maxWidth_ = value;
    ApplyGeometry();
}

void Window::MaxHeight(std::int64_t value) {
    maxHeight_ = value;
    ApplyGeometry();
}

void Window::Resizeable(bool value) {
    resizeable_ = value;
    ApplyFlags();
    ApplyGeometry();
}

bool Window::Visible() const {
    return visible_ && !closed_;
}

void Window::Visible(bool visible) {
    if (visible && closed_) {
        throw RuntimeException(DesignName() + " is closed and cannot be shown again.");
    }
    visible_ = visible;
    frame_->setVisible(visible);
}

void Window::CloseButton(bool value) {
    closeButton_ = value;
    ApplyFlags();
}

void Window::MinimizeButton(bool value) {
    minimizeButton_ = value;
    ApplyFlags();
}

void Window::MaximizeButton(bool value) {
    maximizeButton_ = value;
    ApplyFlags();
}

void Window::MenuBarVisible(bool value) {
    menuBarVisible_ = value;
    if (qtMenuBar_ != nullptr) {
        qtMenuBar_->setVisible(value);
    }
    ApplyGeometry();
}

void Window::HasBackColor(bool value) {
    hasBackColor_ = value;
    BackColor(backColor_);
}

void Window::BackColor(ColorBytes color) {
    backColor_ = color;
    content_->setAutoFillBackground(hasBackColor_);
    QPalette palette = content_->palette();
    if (hasBackColor_) {
        palette.setColor(QPalette::Window, ToQColor(backColor_));
    } else {
        palette = QPalette();
    }
    content_->setPalette(palette);
}

Control& Window::AddControl(std::string name, std::unique_ptr<Control> control) {
    if (control == nullptr) {
        throw NilObjectException(DesignName() + ": a missing control cannot be added as " + name +
                                 ".");
    }
    if (ControlByName(name) != nullptr) {
        throw RuntimeException(DesignName() + " has a control named " + name + " already.");
    }
    if (&control->Owner() != this) {
        throw RuntimeException(DesignName() + ": the control " + name +
                               " was made for another window.");
    }
    control->Name(name);
    Control& added = *control;
    controls_.push_back(Entry{std::move(name), std::move(control)});
    return added;
}

void Window::ApplyStoredList(Control& control, std::string_view listOwner) {
    const std::string listName = std::string(listOwner) + "." + control.Name();
    SetProperties(control, StoredPropertyList(listName), listName);
}

Control* Window::ControlByName(std::string_view name) const {
    for (const Entry& entry : controls_) {
        if (entry.name == name) {
            return entry.control.get();
        }
    }
    return nullptr;
}

QMainWindow* Window::Frame() const {
    return frame_;
}
QWidget* Window::ContentArea() const {
    return content_;
}
QMenuBar* Window::QtMenuBar() const {
    return qtMenuBar_;
}

int Window::MenuBarHeight() const {
    if (qtMenuBar_ == nullptr || !menuBarVisible_) {
        return 0;
    }
    const int byWidth = qtMenuBar_->heightForWidth(ToInt(width_));
    return byWidth > 0 ? byWidth : qtMenuBar_->sizeHint().height();
}

void Window::ApplyGeometry() {
    const int menuHeight = MenuBarHeight();
    const QSize size(ToInt(width_), ToInt(height_) + menuHeight);
    if (resizeable_) {
        // Qt takes no negative sizes.
        auto limit = [](std::int64_t value) { return std::max(0, ToInt(value)); };
        frame_->setMinimumSize(limit(minWidth_), limit(minHeight_) + menuHeight);
        frame_->setMaximumSize(limit(maxWidth_),
                               std::min(limit(maxHeight_) + menuHeight, QWIDGETSIZE_MAX));
        frame_->resize(size);
    } else {
        frame_->setFixedSize(size);
    }
}

void Window::ApplyFlags() {
    Qt::WindowFlags flags =
        Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
    if (closeButton_) {
        flags |= Qt::WindowCloseButtonHint;
    }
    if (minimizeButton_) {
        flags |= Qt::WindowMinimizeButtonHint;
    }
    if (maximizeButton_ && resizeable_) {
        flags |= Qt::WindowMaximizeButtonHint;
    }
    if (frame_->windowFlags() == flags) {
        return;
    }
    const bool shown = frame_->isVisible();
    frame_->setWindowFlags(flags);
    if (shown) {
        frame_->show();
    }
}

std::vector<Control*> Window::ControlsInTabOrder() const {
    std::vector<Control*> order;
    for (const Entry& entry : controls_) {
        if (entry.control->Widget() != nullptr) {
            order.push_back(entry.control.get());
        }
    }
    std::stable_sort(order.begin(), order.end(), [](const Control* a, const Control* b) {
        return a->TabIndex() < b->TabIndex();
    });
    return order;
}

void Window::ApplyTabOrder() {
    const std::vector<Control*> order = ControlsInTabOrder();
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1]->Widget(), order[i]->Widget());
    }
}

void Window::FocusFirstTextField() {
    for (Control* control : ControlsInTabOrder()) {
        auto* field = dynamic_cast<TextField*>(control);
        if (field != nullptr && field->Widget()->isEnabled() &&
            (field->Widget()->focusPolicy() & Qt::TabFocus) != 0) {
            field->QtLineEdit()->setFocus(Qt::TabFocusReason);
            field->QtLineEdit()->selectAll();
            return;
        }
    }
}

void Window::UpdateControlsFocus() {
    for (const Entry& entry : controls_) {
        entry.control->UpdateFocusPolicy();
    }
}

void Window::ApplyProperty(std::string_view name, const PropertyValue& value) {
    if (name == "Width") {
        Width(IntegerValue(name, value));
    } else if (name == "Height") {
        Height(IntegerValue(name, value));
    } else if (name == "MinWidth") {
        MinWidth(IntegerValue(name, value));
    } else if (name == "MinHeight") {
        MinHeight(IntegerValue(name, value));
    } else if (name == "MaxWidth") {
        MaxWidth(IntegerValue(name, value));
    } else if (name == "MaxHeight") {
        MaxHeight(IntegerValue(name, value));
    } else if (name == "Title") {
        Title(StringValue(name, value));
    } else if (name == "CloseButton") {
        CloseButton(BooleanValue(name, value));
    } else if (name == "Resizeable") {
        Resizeable(BooleanValue(name, value));
    } else if (name == "MaximizeButton") {
        MaximizeButton(BooleanValue(name, value));
    } else if (name == "MinimizeButton") {
        MinimizeButton(BooleanValue(name, value));
    } else if (name == "Visible") {
        Visible(BooleanValue(name, value));
    } else if (name == "HasBackColor") {
        HasBackColor(BooleanValue(name, value));
    } else if (name == "BackColor") {
        BackColor(ColorValue(name, value));
    } else if (name == "MenuBarVisible") {
        MenuBarVisible(BooleanValue(name, value));
    }
    // Frame, Placement, MacProcId, Composite, LiveResize, FullScreen and FullScreenButton are
    // kept as set; a window here has one kind of frame and is placed by the window system.
}

}  // namespace platform::ui
