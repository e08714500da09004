#include <QLabel>
#include <QTabWidget>
#include <functional>

#include "mainwindow/commandfixture.h"

namespace {

class DetailsCommandsTest : public CommandTest {
protected:
    struct Way {
        const char* name;
        std::function<void()> run;
    };

    // Opens the installed fonts Alpha, Beta and Gamma with Beta focused.
    void OpenOnBeta() {
        InstallFonts({"Alpha", "Beta", "Gamma"});
        Open();
        View().SetItemIndex(1);
    }
};

TEST_F(DetailsCommandsTest, PropertiesOpenOnTheFocusedFontFromEveryPlace) {
    OpenOnBeta();
    const Way ways[] = {{"Alt+Enter", Press(Qt::Key_Return, Qt::AltModifier)},
                        {"F9", Press(Qt::Key_F9)},
                        {"menu", Choose("N1", "Properties1")},
                        {"context menu", Choose("PopupMenu1", "Properties2")},
                        {"toolbar", Click("tbProperties")}};
    for (const Way& way : ways) {
        QString fullName;
        QString fileName;
        bool generalShown = false;
        EXPECT_EQ(RunModal(way.run,
                           [&](QWidget& window) {
                               fullName = window.findChild<QLabel*>("FullName")->text();
                               fileName = window.findChild<QLabel*>("FileName")->text();
                               auto* pages = window.findChild<QTabWidget*>("pcInfo");
                               generalShown = pages->isTabVisible(0) &&
                                              pages->currentWidget()->objectName() == "tsGeneral";
                           }),
                  "fFontInfo")
            << way.name;
        EXPECT_EQ(fullName, "Beta Regular") << way.name;
        EXPECT_EQ(fileName, "Beta.ttf") << way.name;
        EXPECT_TRUE(generalShown) << way.name;
    }
}

TEST_F(DetailsCommandsTest, AScreenFontShowsOnlyItsMetrics) {
    InstallFonts({"Alpha"});
    Open();
    Key(Qt::Key_1, Qt::AltModifier);
    View().SetItemIndex(2);
    QString page;
    bool generalShown = true;
    EXPECT_EQ(RunModal(Press(Qt::Key_F9),
                       [&](QWidget& window) {
                           auto* pages = window.findChild<QTabWidget*>("pcInfo");
                           generalShown = pages->isTabVisible(0);
                           page = pages->currentWidget()->objectName();
                       }),
              "fFontInfo");
    EXPECT_FALSE(generalShown);
    EXPECT_EQ(page, "tsMetrics");
}

TEST_F(DetailsCommandsTest, CharmapOpensOnTheFocusedFontFromEveryPlace) {
    OpenOnBeta();
    const Way ways[] = {{"Alt+C", Press(Qt::Key_C, Qt::AltModifier)},
                        {"menu", Choose("N1", "Charmap1")},
                        {"context menu", Choose("PopupMenu1", "Charmap2")},
                        {"toolbar", Click("tbCharmap")}};
    for (const Way& way : ways) {
        QString caption;
        EXPECT_EQ(RunModal(way.run, [&](QWidget& window) { caption = window.windowTitle(); }),
                  "fCharTable")
            << way.name;
        EXPECT_EQ(caption, "Character Map -  Beta Regular") << way.name;
    }
}

// The toolbar buttons follow no rule, so they are there on an empty list too.
TEST_F(DetailsCommandsTest, WithoutAFocusedFontTheButtonsOpenNothing) {
    Ini().WriteInteger("Option", "ViewMode", 2);
    Open();
    ASSERT_EQ(Items().GetCount(), 0);
    EXPECT_EQ(RunModal(Click("tbProperties")), "");
    EXPECT_EQ(RunModal(Click("tbCharmap")), "");
}

}  // namespace
