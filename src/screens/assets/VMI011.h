#pragma once
#include "screens/assets/AssetParticulars.h"

// 건물 명세 등록: the building particulars (VM011MS) of the assets that are
// not vehicles.
class TfrmVMI011 : public TAssetParticulars {
    Q_OBJECT
public:
    explicit TfrmVMI011(QWidget* parent = nullptr);
};
