#pragma once
#include "screens/notes/NoteStatus.h"

// 거래처별 어음현황: the notes of a period, of one customer or all.
class TfrmVFI110 : public TfrmNoteStatus {
    Q_OBJECT
public:
    explicit TfrmVFI110(QWidget* parent = nullptr);

protected:
    std::unique_ptr<TfrmZZP010> newLayout() const override;
};
