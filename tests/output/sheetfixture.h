#pragma once

#include <gtest/gtest.h>
#include <memory>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <string>
#include <vector>

#include "catalogue/fontlist.h"
#include "fakes/fakefonttable.h"
#include "output/printinfo.h"
#include "platform/services.h"
#include "render/samplefontcache.h"

// Fonts to put on a sheet, and a sheet's layout record filled as the print command fills it.
class SheetFixture : public ::testing::Test {
protected:
    SheetFixture() : fonts(false), faces(&fontTable) { services.fontTable = &fontTable; }

    // count screen-font records named "Font 1", "Font 2", ...
    void FillNumbered(int count) {
        std::vector<std::string> names;
        for (int i = 1; i <= count; ++i) {
            names.push_back("Font " + std::to_string(i));
        }
        fonts.Assign(names);
    }

    // A record of a (dummy) font file at relativePath, shown under fullName.
    void AddFileFont(const std::string& fullName, const std::string& relativePath) {
        const std::string path =
            folder.filePath(QString::fromStdString(relativePath)).toStdString();
        QDir().mkpath(QFileInfo(QString::fromStdString(path)).path());
        QFile file(QString::fromStdString(path));
        file.open(QIODevice::WriteOnly);
        file.write("not a font");
        file.close();
        auto record = std::make_unique<TFontInfo>();
        record->SetAutoRead(false);
        record->SetFileName(path);
        record->SetFullName(fullName);
        fonts.Add(std::move(record));
    }

    // A sheet at dotsPerInch with the default margins (12, 12, 26, 12 mm), one sample line.
    static TPrintInfo Sheet(int width, int height, int dotsPerInch) {
        TPrintInfo info;
        info.PageWidth = width;
        info.PageHeight = height;
        info.PixelsPerInch = dotsPerInch;
        info.MarginLeft = info.MarginRight = info.MarginBottom = 12 * dotsPerInch * 10 / 254;
        info.MarginTop = 26 * dotsPerInch * 10 / 254;
        info.FontSize = 16;
        info.PrintFileName = true;
        info.Title = "Sheet";
        info.SampleText = "Sample";
        info.LineCount = 1;
        return info;
    }

    QTemporaryDir folder;
    fakes::FakeFontTable fontTable;
    platform::Services services;
    TFontList fonts;
    TSampleFontCache faces;
};
