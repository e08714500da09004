#pragma once

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "output/exportpicture.h"
#include "output/ui/outputenv.h"

class QLabel;
class QPushButton;
class QSpinBox;
class TFontList;
class TSampleFontCache;

// "Export as Bitmap": a picture of the chosen fonts with their sample text, whose width and
// height can be changed while a preview follows, saved as a BMP or PNG file.
class TfExportImage : public QDialog {
    Q_OBJECT

public:
    // The export command: the view's marked fonts (all its fonts when selectedView, the view
    // showing the marked fonts), drawn with look and sampleText. Tells the user when no font
    // is chosen. True when a picture was saved.
    static bool ExportFonts(const TFontList& items, bool selectedView, const TExportLook& look,
                            const std::string& sampleText, const TOutputEnv& env, QWidget* owner);

    TfExportImage(const TExportLook& look, const TOutputEnv& env, QWidget* parent = nullptr);
    ~TfExportImage() override;

    // Runs the dialog for fontNames and sampleText; without names or text it shows nothing
    // and answers Rejected.
    int Execute(const std::vector<std::string>& fontNames, const std::string& sampleText);
    // Fills the dialog without running it (for Execute and for callers that show it).
    bool Prepare(const std::vector<std::string>& fontNames, const std::string& sampleText);

private:
    void SizeChange(QSpinBox* changed);
    void DrawImage();
    void bExportClick();

    TExportLook look_;
    TOutputEnv env_;
    std::unique_ptr<TSampleFontCache> faces_;
    std::unique_ptr<TExportPicture> picture_;
    QImage image_;

    QSpinBox* seWidth_ = nullptr;
    QSpinBox* seHeight_ = nullptr;
    QLabel* Image_ = nullptr;
    QPushButton* bExport_ = nullptr;
};
