#include "mainwindow/mainform.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

#include "favorites/fontfavorites.h"
#include "mainwindow/application.h"
#include "mainwindow/menuimages.h"
#include "mainwindow/scan.h"
#include "preview/xfontlistview.h"

namespace {

bool IsAncestorOf(const QObject* ancestor, const QObject* object) {
    for (const QObject* o = object; o != nullptr; o = o->parent()) {
        if (o == ancestor) {
            return true;
        }
    }
    return false;
}

// The input a disabled widget ignores.
bool IsUserInput(QEvent::Type type) {
    switch (type) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::ShortcutOverride:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
        case QEvent::ContextMenu:
            return true;
        default:
            return false;
    }
}

bool IsTextBox(const QObject* object) {
    if (const auto* edit = qobject_cast<const QLineEdit*>(object)) {
        return !edit->isReadOnly();
    }
    const auto* box = qobject_cast<const QComboBox*>(object);
    return box != nullptr && box->isEditable();
}

// Keys that edit the text of the box that has the focus rather than run a font command.
bool IsTextEditingKey(const QKeyEvent* key) {
    for (const QKeySequence::StandardKey editing :
         {QKeySequence::SelectAll, QKeySequence::Copy, QKeySequence::Paste, QKeySequence::Cut,
          QKeySequence::Undo, QKeySequence::Redo}) {
        if (key->matches(editing)) {
            return true;
        }
    }
    switch (key->key()) {
        case Qt::Key_Home:
        case Qt::Key_End:
        case Qt::Key_Delete:
        case Qt::Key_Backspace:
            return !(key->modifiers() & Qt::AltModifier);
        default:
            return false;
    }
}

}  // namespace

TMainForm::TMainForm(const platform::Services& services, QWidget* parent)
    : QMainWindow(parent), services_(services) {
    setObjectName("MainForm");
    fontList_ = std::make_unique<TFontList>(true, &services_);
    actions_ = std::make_unique<TActionTable>(Actions(), [this] { return CommandState(); });
    BuildLayout();
    BuildMenus();
    SetMenuImages(*this);

    // The scan window is created after this window; the handlers look for it at load time.
    fontList_->OnLoadBegin = [this](TFontList& sender, TFontListMode mode, bool& abort,
                                    const std::string& info) {
        if (scan_ != nullptr) {
            scan_->FontListLoadBegin(sender, mode, abort, info);
        }
    };
    fontList_->OnLoadProgress = [this](TFontList& sender, TFontListMode mode, bool& abort,
                                       const std::string& info) {
        if (scan_ != nullptr) {
            scan_->FontListLoadProgress(sender, mode, abort, info);
        }
    };
    fontList_->OnLoadEnd = [this](TFontList& sender) {
        if (scan_ != nullptr) {
            scan_->FontListLoadEnd(sender);
        }
    };
    FontView->Items().OnLoaded = [this](TFontList&) { UpdateCaption(); };
    FontView->Items().SetManageResources(false);

    favoritesFile_ = services_.programFolder + "installed.fav";
    BuildFavorites();
    setWindowTitle(TApplication::Title);
    setMinimumSize(500, 400);
    setGeometry(257, 167, 766, 582);
    // Font files and folders dropped from the file manager (mainform_drops.cpp).
    setAcceptDrops(true);
    // The window sees keys before its controls: menu shortcuts, Esc and Alt+4.
    qApp->installEventFilter(this);
}

TMainForm::~TMainForm() {
    qApp->removeEventFilter(this);
    // The view outlives this body; its last notifications must not reach a half-gone window.
    FontView->OnChange = nullptr;
    FontView->OnChangeSelected = nullptr;
    FontView->OnChangeFontSize = nullptr;
    FontView->Items().OnLoaded = nullptr;
    // The view's list holds only copies; the master list goes first so that leaving folder
    // mode takes its fonts out of the font table while the window still exists.
    fontList_.reset();
}

void TMainForm::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainForm::closeEvent(QCloseEvent* event) {
    SaveSettings();
    event->accept();
}

bool TMainForm::eventFilter(QObject* watched, QEvent* event) {
    // While a load holds the window shut, the events it lets run must not start a command
    // (a second load inside the first one, a dialog): what the disabled widgets ignore, the
    // window ignores too.
    const auto* receiver = qobject_cast<const QWidget*>(watched);
    if (receiver != nullptr && !receiver->isEnabled() && receiver->window() == this &&
        IsUserInput(event->type())) {
        return false;
    }
    switch (event->type()) {
        case QEvent::KeyRelease:
            previewedKey_ = nullptr;
            previewedReceiver_ = nullptr;
            return false;
        case QEvent::KeyPress: {
            if (receiver == nullptr || receiver->window() != this) {
                return false;
            }
            // A key the focus widget ignores travels on to its parents; preview it once.
            if (event == previewedKey_ && watched != previewedReceiver_ &&
                IsAncestorOf(watched, previewedReceiver_)) {
                return false;
            }
            previewedKey_ = event;
            previewedReceiver_ = watched;
            auto* key = static_cast<QKeyEvent*>(event);
            // With the caret in a text box its editing keys edit the text; the font commands
            // keep every other key.
            if (IsTextBox(watched) && IsTextEditingKey(key)) {
                return false;
            }
            if (FormShortCut(key) || actions_->RunShortcut(*key)) {
                return true;
            }
            FormKeyDown(key);
            return false;
        }
        default:
            break;
    }
    if (FontView != nullptr && watched == FontView->viewport()) {
        return HandleViewEvent(event);
    }
    return false;
}
