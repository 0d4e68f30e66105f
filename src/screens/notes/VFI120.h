#pragma once
#include "screens/notes/NoteStatus.h"

// 발행일자별 어음현황: the notes issued in a period.
class TfrmVFI120 : public TfrmNoteStatus {
    Q_OBJECT
public:
    explicit TfrmVFI120(QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmZZP010> newLayout() const override;
};
