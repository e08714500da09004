#pragma once

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QSplitter>
#include <QTest>
#include <QToolButton>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "controls/btnstatusbar.h"
#include "controls/ximagelabel.h"
#include "fakes/fakefontchange.h"
#include "fakes/fakefonttable.h"
#include "fakes/fakeinstalledfonts.h"
#include "fakes/fakeshell.h"
#include "fakes/scripteddialogs.h"
#include "mainwindow/mainform.h"
#include "platform/inifile.h"
#include "platform/linux/pdfprinter.h"
#include "platform/services.h"
#include "preview/xfontlistview.h"
#include "support/sandbox.h"
#include "support/truetypebuilder.h"

// A main window whose drag towards the favorites pane is counted and, instead of the window
// system's drag loop, does what onDrag does (nothing when it is empty); it prints on printer:
// PDF files, as the desktop's printer does without any printer installed.
class TestMainForm : public TMainForm {
public:
    using TMainForm::TMainForm;
    int drags = 0;
    platform::PdfPrinter pdfPrinter;
    platform::Printer* printer = &pdfPrinter;
    std::function<void()> onDrag;

protected:
    void StartFontDrag() override {
        ++drags;
        if (onDrag) {
            onDrag();
        }
    }
    platform::Printer& MainPrinter() override { return *printer; }
};

// One main window over a sandbox: installed fonts are small generated TrueType files the
// fake registry lists, folder fonts go into a fake font table, dialogs answer from a script.
class MainFormTest : public ::testing::Test {
protected:
    // Sorted by name these stay in this order.
    static std::vector<std::string> GreekFamilies() {
        return {"Alpha", "Beta",  "Chi",    "Delta", "Epsilon", "Eta",   "Gamma",
                "Iota",  "Kappa", "Lambda", "Mu",    "Nu",      "Omega", "Omicron",
                "Phi",   "Pi",    "Psi",    "Rho",   "Sigma",   "Tau"};
    }

    MainFormTest() {
        services_.fontTable = &table_;
        services_.installedFonts = &installed_;
        services_.fontChange = &change_;
        services_.shell = &shell_;
        services_.processEvents = [] {};
        table_.SetFamilies({"Screen One", "Screen Three", "Screen Two"});
    }

    ~MainFormTest() override { form_.reset(); }

    // Writes a font whose full name is "<family> Regular"; padding makes the file bigger.
    std::string WriteFont(const std::string& relativePath, const std::string& family,
                          std::size_t padding = 0) {
        std::string bytes = testsupport::TrueTypeBuilder()
                                .AllNames(testsupport::kLangEnglish, family, "Regular")
                                .Build();
        bytes.append(padding, '\0');
        const std::string path = sandbox_.Path() + "/" + relativePath;
        sandbox_.WriteFile(relativePath, bytes);
        return path;
    }

    // Installs one font per family into the sandbox's Fonts folder.
    void InstallFonts(const std::vector<std::string>& families) {
        std::vector<std::string> files;
        for (const std::string& family : families) {
            files.push_back(WriteFont("data/fonts/" + family + ".ttf", family));
        }
        installed_.SetFiles(files);
    }

    platform::IniFile Ini() const {
        return platform::IniFile(sandbox_.HomeFolder() + "glyphwell.ini");
    }

    TestMainForm& Open() {
        form_ = std::make_unique<TestMainForm>(services_);
        form_->show();
        return *form_;
    }

    void CloseForm() { form_->close(); }

    // The window's component named name (its objectName), as a user finds it on screen.
    template <class T>
    T* Child(const char* name) const {
        T* child = form_->findChild<T*>(name);
        if (child == nullptr) {
            ADD_FAILURE() << "no " << name << " in the window";
        }
        return child;
    }

    TXFontListView& View() { return *Child<TXFontListView>("FontView"); }
    TFontList& Items() { return View().Items(); }

    void Key(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier, QWidget* target = nullptr) {
        QTest::keyClick(target != nullptr ? target : &View(), static_cast<Qt::Key>(key), modifiers);
    }

    QAction* Action(const char* name) const { return form_->findChild<QAction*>(name); }
    QMenu* Menu(const char* name) const { return form_->findChild<QMenu*>(name); }
    // Applies the rules of the menu, as opening it does.
    void OpenMenu(const char* name) const { emit Menu(name)->aboutToShow(); }

    Sandbox sandbox_;
    fakes::FakeFontTable table_;
    fakes::FakeInstalledFonts installed_;
    fakes::FakeFontChange change_;
    fakes::FakeShell shell_;
    fakes::ScriptedDialogs dialogs_;
    platform::Services services_ = sandbox_.Services();
    std::unique_ptr<TestMainForm> form_;
};
