#include "screens/assets/VMI012.h"

namespace {

using Kind = TAssetParticulars::Kind;

TAssetParticulars::Setup vehicles()
{
    return {QStringLiteral("VMI012"), QStringLiteral("차량 명세 등록"), QStringLiteral("VM012MS"), true,
            {{"VCAR_NAME", "차    명", 60, Kind::Text},
             {"VCAR_KIND", "차    종", 60, Kind::Text},
             {"VCAR_TYPE", "원동기형식", 60, Kind::Text},
             {"VCAR_YEAR", "연    식", 4, Kind::Text},
             {"VCAR_GB", "출처구분", 60, Kind::Text},
             {"VCAR_NUM", "차대번호", 60, Kind::Text},
             {"VCAR_USE", "용    도", 60, Kind::Text},
             {"VCAR_COLR", "색    상", 20, Kind::Text},
             {"VCAR_DATE", "최초등록일", 10, Kind::Date},
             {"VCAR_JADT", "검사기간(부터)", 30, Kind::Text},
             {"VCAR_JIDT", "검사기간(까지)", 30, Kind::Text},
             {"VCAR_REMK", "사용용도", 60, Kind::Text}}};
}

}  // namespace

TfrmVMI012::TfrmVMI012(QWidget* parent) : TAssetParticulars(vehicles(), parent)
{
}
