#pragma once
#include "screens/notes/NoteStatus.h"

// 만기일자별 어음현황: the notes falling due in a period.
class TfrmVFI100 : public TfrmNoteStatus {
    Q_OBJECT
public:
    explicit TfrmVFI100(QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmZZP010> newLayout() const override;
};
