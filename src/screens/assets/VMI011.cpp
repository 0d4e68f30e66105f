#include "screens/assets/VMI011.h"

namespace {

using Kind = TAssetParticulars::Kind;

TAssetParticulars::Setup buildings()
{
    return {QStringLiteral("VMI011"), QStringLiteral("건물 명세 등록"), QStringLiteral("VM011MS"), false,
            {{"VSFX_LOCAL", "소 재 지", 110, Kind::Text},
             {"VSFX_DT", "사용승인일", 10, Kind::Date},
             {"VSFX_REG", "등 기 일", 10, Kind::Date},
             {"LAND_CATEGORY", "지    목", 60, Kind::Text},
             {"VSFX_TYPE", "구    조", 60, Kind::Text},
             {"LOT_NUMBER", "지    번", 40, Kind::Text},
             {"LAND_AREA", "대지면적", 15, Kind::Number},
             {"FLOOR_AREA", "건축면적(㎡)", 15, Kind::Number},
             {"ROOM_EA", "객 실 수", 6, Kind::Whole},
             {"DESIGN", "설계및감리", 60, Kind::Text},
             {"CAPA_RATE", "용 적 율", 9, Kind::Number},
             {"FLOOR_RATE", "건 폐 율", 9, Kind::Number},
             {"VSFX_REMK", "사용용도", 60, Kind::Text}}};
}

}  // namespace

TfrmVMI011::TfrmVMI011(QWidget* parent) : TAssetParticulars(buildings(), parent)
{
}
