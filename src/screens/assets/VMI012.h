#pragma once
#include "screens/assets/AssetParticulars.h"

// 차량 명세 등록: the vehicle particulars (VM012MS) of the assets of class 60.
class TfrmVMI012 : public TAssetParticulars {
    Q_OBJECT
public:
    explicit TfrmVMI012(QWidget* parent = nullptr);
};
