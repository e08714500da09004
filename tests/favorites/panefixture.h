#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QListView>
#include <QTest>
#include <QTimer>
#include <fstream>
#include <functional>
#include <iterator>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "fakes/fakefonttable.h"
#include "fakes/scripteddialogs.h"
#include "favorites/fontfavorites.h"
#include "favorites/ui/favoritespane.h"
#include "platform/services.h"
#include "preview/xfontlistview.h"
#include "support/sandbox.h"

// A shown favorites pane over a sandbox favorites file, beside a font list view holding
// installed records, with dialogs that answer from a script and a host that records what the
// pane asked of the main window.
class PaneFixture : public ::testing::Test {
protected:
    PaneFixture() {
        services.fontTable = &fontTable;
        view = std::make_unique<TXFontListView>(services);
        view->Items().SetAutoLoad(false);
        view->Items().SetMode(flmInstalled);
        host.ShownGroup = [this] { return shownGroup; };
        host.ShowFavorites = [this](const std::string& group) {
            shown.push_back(group);
            shownGroup = group;
        };
        host.AllFonts = [this] {
            ++allFonts;
            shownGroup.reset();
        };
        host.ShownGroupRenamed = [this](const std::string& name) { renamedTo = name; };
        host.CloseRequested = [this] { ++closeRequests; };
    }

    ~PaneFixture() override {
        pane.reset();
        view.reset();
    }

    // A font file in the sandbox (so its entry survives the pane's missing-font sweep).
    std::string Font(const std::string& file) {
        return sandbox.WriteFile("fonts/" + file, "font bytes");
    }

    std::string Entry(const std::string& name, const std::string& file) {
        return name + "=" + Font(file);
    }

    void WriteFav(const std::vector<std::string>& lines) {
        std::string bytes;
        for (const std::string& line : lines) {
            bytes += line + "\r\n";
        }
        sandbox.WriteFile("home/installed.fav", bytes);
    }

    std::string FavBytes() const {
        std::ifstream in(favFile, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }

    // An installed record of the font list view.
    void AddRecord(const std::string& name, const std::string& file, bool marked = false) {
        auto record = std::make_unique<TFontInfo>();
        record->SetAutoRead(false);
        record->SetFileName(Font(file));
        record->SetFullName(name);
        record->SetSelected(marked);
        view->Items().Add(std::move(record));
    }

    void MakePane() {
        if (view->Items().GetCount() > 0) {
            view->SetItemIndex(0);
        }
        pane = std::make_unique<TFavoritesPane>(store, favFile, *view, dialogs, host);
        pane->resize(220, 400);
        pane->show();
        pane->RefreshFavorites();
        QApplication::processEvents();
    }

    std::vector<std::string> PaneRows() const {
        std::vector<std::string> rows;
        for (int row = 0; row < pane->RowCount(); ++row) {
            rows.push_back(std::to_string(pane->RowMarker(row)) + ":" + pane->RowText(row));
        }
        return rows;
    }

    QPoint RowCentre(int row) const {
        return pane->lbFav->visualRect(pane->lbFav->model()->index(row, 0)).center();
    }

    void Click(int row, Qt::MouseButton button = Qt::LeftButton) {
        QTest::mouseClick(pane->lbFav->viewport(), button, {}, RowCentre(row));
        QApplication::processEvents();
    }

    void Key(Qt::Key key) {
        pane->lbFav->setFocus();
        QTest::keyClick(pane->lbFav, key);
        QApplication::processEvents();
    }

    Sandbox sandbox;
    std::string favFile = sandbox.HomeFolder() + "installed.fav";
    fakes::FakeFontTable fontTable;
    platform::Services services = sandbox.Services();
    std::unique_ptr<TXFontListView> view;
    fakes::ScriptedDialogs dialogs;
    TFontFavorites store;
    TFavoritesPaneHost host;
    std::optional<std::string> shownGroup;
    std::vector<std::string> shown;
    int allFonts = 0;
    int closeRequests = 0;
    std::string renamedTo;
    std::unique_ptr<TFavoritesPane> pane;
};

// Runs action on the modal dialog of type T once its loop is running.
template <typename T>
void WhenDialogOpens(std::function<void(T*)> action) {
    QTimer::singleShot(0, [action = std::move(action)] {
        auto* dialog = qobject_cast<T*>(QApplication::activeModalWidget());
        ASSERT_NE(dialog, nullptr);
        action(dialog);
    });
}
