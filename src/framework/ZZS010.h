#pragma once
#include "framework/ZZI000.h"

class QPushButton;

// The search-and-print base of report and batch screens: a search strip with
// Search (F3), and Print (F11) and Preview (Shift+F11) in the button strip.
// No states, no hooks, no field wiring: a screen overrides the handlers,
// calls the base handler first (it clears the status and refuses a hidden or
// disabled button), then searches or prints. The conditions stay editable;
// searching again replaces the result.
//
// Print and preview: the base Print handler clears PreviewFlag, the Preview
// handler sets it, whether the button or its key started the operation, so a
// screen that serves both from one routine reads PreviewFlag:
//     void bbtPrintClick() override { TfrmZZS010::bbtPrintClick(); printReport(); }
//     void bbtPreviewClick() override { TfrmZZS010::bbtPreviewClick(); printReport(); }
//     void printReport() { ... layout->PrintOrPreview(PreviewFlag); }
class TfrmZZS010 : public TfrmZZI000 {
    Q_OBJECT
public:
    explicit TfrmZZS010(const QString& programId, QWidget* parent = nullptr);

    // false after Print (F11 or its button), true after Preview (Shift+F11 or
    // its button).
    bool PreviewFlag = false;

public slots:
    virtual void bbtSearchClick();
    virtual void bbtPrintClick();
    virtual void bbtPreviewClick();

protected:
    // A button placed in the strip in front of `before` (Close when none).
    QPushButton* addStripButton(const QString& name, const QString& caption, QWidget* before = nullptr);

    QWidget* panSearch;
    QPushButton* bbtSearch;
    QPushButton* bbtPrint;
    QPushButton* bbtPreview;
};
