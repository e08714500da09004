#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QImage>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "fakes/fakefonttable.h"
#include "platform/services.h"
#include "preview/xfontlistview.h"

// A shown, borderless view over a recording font table, with counters for its notifications.
class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        services.fontTable = &fontTable;
        view = std::make_unique<TXFontListView>(services);
        view->SetBorderSingle(false);
        view->OnChange = [this](TXFontListView&) { events.push_back("change"); };
        view->OnChangeSelected = [this](TXFontListView&) { events.push_back("selected"); };
        view->OnChangeFontSize = [this](TXFontListView&) { events.push_back("size"); };
        view->OnChangeQS = [this](TXFontListView&) { events.push_back("qs:" + view->QSText()); };
        view->resize(400, 300);
        view->show();
        QApplication::processEvents();
    }

    // Makes the client exactly rows rows high (fractions leave a partly visible last row).
    void SetClientRows(double rows) {
        view->resize(400, static_cast<int>(rows * view->ItemHeight()));
        QApplication::processEvents();
    }

    void Fill(const std::vector<std::string>& names) {
        view->Items().Assign(names);
        events.clear();
    }

    void FillNumbered(int count) {
        std::vector<std::string> names;
        for (int i = 0; i < count; ++i) {
            names.push_back("Font " + std::to_string(100 + i));
        }
        Fill(names);
    }

    bool Marked(int index) { return view->Items().GetItems(index).Selected(); }

    std::vector<int> MarkedRows() {
        std::vector<int> rows;
        for (int i = 0; i < view->Items().GetCount(); ++i) {
            if (Marked(i)) {
                rows.push_back(i);
            }
        }
        return rows;
    }

    int CountOf(const std::string& event) const {
        return static_cast<int>(std::count(events.begin(), events.end(), event));
    }

    QImage Pixels() {
        QApplication::processEvents();
        return view->viewport()->grab().toImage().convertToFormat(QImage::Format_RGB32);
    }

    fakes::FakeFontTable fontTable;
    platform::Services services;
    std::unique_ptr<TXFontListView> view;
    std::vector<std::string> events;
};
