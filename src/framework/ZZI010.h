#pragma once
#include "framework/ZZI000.h"

class QPushButton;

// Adds the search strip with Search, and Save and Cancel, to the base window;
// the screen alternates between search mode and data mode.
class TfrmZZI010 : public TfrmZZI000 {
    Q_OBJECT
public:
    explicit TfrmZZI010(const QString& programId, QWidget* parent = nullptr, bool runBaseCreation = true);

    void SetSearchMode(bool on);
    void EnterDataMode();

public slots:
    virtual void bbtSearchClick();
    virtual void bbtSaveClick();
    virtual void bbtCancelClick();

protected:
    // A button placed in the strip left of `before` (Close when none).
    QPushButton* addStripButton(const QString& name, const QString& caption, QWidget* before = nullptr);
    // The first focusable control of the search strip.
    void focusSearchStrip();

    QWidget* panSearch;
    QWidget* panData;  // panMain below the search strip
    QPushButton* bbtSearch;
    QPushButton* bbtSave;
    QPushButton* bbtCancel;
};
