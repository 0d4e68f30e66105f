// The fixed-asset screens against the demo register: asset codes from the
// database (also under concurrency), the register's save, delete and photo,
// building and vehicle particulars, increases and disposals, transfers and
// their undoing, and the monthly depreciation run with its slip.
#include "common/Db.h"
#include "common/JpegImage.h"
#include "common/ProcCall.h"
#include "common/Query.h"
#include "common/Session.h"
#include "common/Transaction.h"
#include "grid/RecordSet.h"
#include "screens/assets/VMI005.h"
#include "screens/assets/VMI010.h"
#include "screens/assets/VMI011.h"
#include "screens/assets/VMI012.h"
#include "screens/assets/VMI025.h"
#include "screens/assets/VMI035.h"
#include "screens/assets/VMI050.h"
#include "screens/assets/VMI060.h"
#include "support/ScreenProbe.h"
#include "support/ScriptedDialogs.h"
#include "support/TestDb.h"
#include "support/TestMain.h"
#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QDialog>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSqlError>
#include <QTemporaryDir>
#include <QToolButton>
#include <atomic>
#include <csetjmp>
#include <cstdio>
#include <jpeglib.h>
#include <thread>

namespace {

// Shown at the size the users have: 1024 wide, the height a taskbar leaves.
template <typename Base>
class Probe : public ScreenProbe<Base> {
public:
    void showActive()
    {
        this->resize(1024, 700);
        ScreenProbe<Base>::showActive();
    }
};

QVariant dbValue(const QString& sql, const QVariantList& params = {})
{
    return Db::scalar(sql, params);
}

// A JPEG of the given size, written with libjpeg.
QByteArray encodeJpeg(int width, int height)
{
    jpeg_compress_struct info;
    jpeg_error_mgr errors;
    info.err = jpeg_std_error(&errors);
    jpeg_create_compress(&info);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&info, &buffer, &size);
    info.image_width = JDIMENSION(width);
    info.image_height = JDIMENSION(height);
    info.input_components = 3;
    info.in_color_space = JCS_RGB;
    jpeg_set_defaults(&info);
    jpeg_set_quality(&info, 85, TRUE);
    jpeg_start_compress(&info, TRUE);
    std::vector<unsigned char> row(size_t(width) * 3);
    while (info.next_scanline < info.image_height) {
        for (int x = 0; x < width; ++x) {
            row[size_t(x) * 3] = static_cast<unsigned char>(x * 255 / width);
            row[size_t(x) * 3 + 1] = static_cast<unsigned char>(info.next_scanline * 255 / info.image_height);
            row[size_t(x) * 3 + 2] = 128;
        }
        JSAMPROW r = row.data();
        jpeg_write_scanlines(&info, &r, 1);
    }
    jpeg_finish_compress(&info);
    jpeg_destroy_compress(&info);
    QByteArray out(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return out;
}

QString writeFile(const QTemporaryDir& dir, const QString& name, const QByteArray& data)
{
    const QString path = dir.filePath(name);
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write(data);
    return path;
}

// The departments of the demo assets, to compare before and after.
QString assetPlaces(const QStringList& codes)
{
    return dbValue(QStringLiteral("SELECT string_agg(vsfx_code || ':' || og_dept_cd || '/' || coalesce(dept_cd, ''), ',' "
                                  "ORDER BY vsfx_code) FROM vm010ms WHERE vsfx_code = ANY (string_to_array(:P0, ','))"),
                   {codes.join(QLatin1Char(','))})
        .toString();
}

// An asset of the fixture, written as the owner: code, account, cost
// department, acquisition date, method, rate, life, book value, accumulated
// depreciation.
void fixtureAsset(const QString& code, const QString& acct, const QString& dept, const QString& acquired,
                  const QString& method, const QVariant& rate, const QVariant& life, qint64 book, qint64 depreciated)
{
    TestDb::ownerExec(QStringLiteral("INSERT INTO vm010ms (vsfx_code, vsfx_dtm, acct_sbj_cd, og_dept_cd, dept_cd, acq_dt, "
                                     "rdm_kind, rdm_rate, cont_yys, acq_amt, depr_sum_amt, aset_nm, qty) "
                                     "VALUES (:P0, left(:P0, 2), :P1, :P2, :P2, CAST(:P3 AS DATE), :P4, "
                                     "CAST(:P5 AS NUMERIC), CAST(:P6 AS NUMERIC), :P7, :P8, '시험자산 ' || :P0, 1)"),
                      {code, acct, dept, acquired, method, rate, life, book, depreciated});
}

}  // namespace

class TestAssets : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase() { m_db.reset(); }
    void init() { m_dialogs = std::make_unique<ScriptedDialogs>(); }
    void cleanup()
    {
        m_dialogs.reset();
        QVERIFY(!SharedTransaction::instance().inTransaction());
    }

    void itemCodes();
    void assetCodeFollowsTheClass();
    void assetCodesUnderConcurrency();
    void registerSavesOneRowWithItsValues();
    void registerInputRefusals_data();
    void registerInputRefusals();
    void typeNeedsTheClassFirst();
    void photoRoundTrip();
    void damagedPhotosAreRefused_data();
    void damagedPhotosAreRefused();
    void deleteAndRenameCarryThePhotoAndParticulars();
    void particularsListsAndOneRowPerAsset();
    void increaseSerialNumbers();
    void disposalQuantityAndMark();
    void disposalTermIncrease();
    void transferAndItsUndoing();
    void transferRefusals();
    void depreciationAmounts();
    void depreciationRunAndSlipDelete();

private:
    std::unique_ptr<TestDatabase> m_db;
    std::unique_ptr<ScriptedDialogs> m_dialogs;
    QTemporaryDir m_dir;
};

void TestAssets::initTestCase()
{
    QVERIFY(m_dir.isValid());
    m_db = std::make_unique<TestDatabase>();
}

void TestAssets::itemCodes()
{
    Probe<TfrmVMI005> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    const int before = s.records()->recordCount();
    s.click(QStringLiteral("bbtAdd"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("품목코드를 입력하세요"));
    QCOMPARE(m_dialogs->shown.last().caption, QStringLiteral("입력오류"));
    s.type(QStringLiteral("edtVSFXSTM"), QStringLiteral("B01"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("품목명을 입력하세요"));
    s.type(QStringLiteral("edtVSFXSNM"), QStringLiteral("조경설비"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.records()->recordCount(), before + 1);
    QCOMPARE(dbValue(QStringLiteral("SELECT vsfxsnm || use_yn FROM vm007ms WHERE vsfxstm = 'B01'")).toString(),
             QStringLiteral("조경설비Y"));
    // the code of an item in use moves with its assets
    s.records()->locate(QStringLiteral("VSFXSTM"), QStringLiteral("A05"));
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtVSFXSTM"), QStringLiteral("A55"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm010ms WHERE vsfx_stm = 'A55'")).toInt(), 4);
    s.records()->locate(QStringLiteral("VSFXSTM"), QStringLiteral("B01"));
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm007ms WHERE vsfxstm = 'B01'")).toInt(), 0);
    TestDb::ownerExec(QStringLiteral("UPDATE vm007ms SET vsfxstm = 'A05' WHERE vsfxstm = 'A55'"));
}

void TestAssets::assetCodeFollowsTheClass()
{
    // vehicles 1 to 7 exist: the next one is the eighth
    for (const char* code : {"60000005", "60000006", "60000007"})
        fixtureAsset(QLatin1String(code), QStringLiteral("1330600"), QStringLiteral("2110"), QStringLiteral("2026-01-05"),
                     QStringLiteral("1"), 0.2, 5, 1000000, 0);
    Probe<TfrmVMI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtVSFX_DTM"), QStringLiteral("60"));
    s.leave(QStringLiteral("edtVSFX_DTM"), QStringLiteral("edtVSFX_MTM"));
    QCOMPARE(s.edit(QStringLiteral("edtVSFXDNM"))->text(), QStringLiteral("차량운반구"));
    QCOMPARE(s.edit(QStringLiteral("edtVSFX_CODE"))->text(), QStringLiteral("60000008"));
    // another class: the proposal follows it; a class without assets starts at 1
    s.type(QStringLiteral("edtVSFX_DTM"), QStringLiteral("80"));
    s.leave(QStringLiteral("edtVSFX_DTM"), QStringLiteral("edtVSFX_MTM"));
    QCOMPARE(s.edit(QStringLiteral("edtVSFX_CODE"))->text(), QStringLiteral("80000001"));
    // a code typed over stays
    s.type(QStringLiteral("edtVSFX_CODE"), QStringLiteral("80000050"));
    s.type(QStringLiteral("edtVSFX_DTM"), QStringLiteral("60"));
    s.leave(QStringLiteral("edtVSFX_DTM"), QStringLiteral("edtVSFX_MTM"));
    QCOMPARE(s.edit(QStringLiteral("edtVSFX_CODE"))->text(), QStringLiteral("80000050"));
    s.click(QStringLiteral("bbtCancel"));
    // a number once handed out is not handed out again
    QCOMPARE(RunQueryRow(QStringLiteral("SELECT pk_v_asset.next_code('60')")).value(0).toString(), QStringLiteral("60000009"));
}

void TestAssets::assetCodesUnderConcurrency()
{
    // Workstation A takes a code inside its open transaction; B asks at the
    // same moment, waits for A, and gets the following one.
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    const QString first = RunQueryRow(QStringLiteral("SELECT pk_v_asset.next_code('50')")).value(0).toString();
    QString second, failure;
    std::atomic<bool> done{false};
    const QString database = m_db->name();
    std::thread b([&] {
        {
            QSqlDatabase db = TestDb::openConnection(QStringLiteral("workstationB"), database);
            QSqlQuery q(db);
            if (q.exec(QStringLiteral("SELECT pk_v_asset.next_code('50')")) && q.next())
                second = q.value(0).toString();
            else
                failure = q.lastError().text();
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("workstationB"));
        done = true;
    });
    QTest::qWait(400);
    const bool waited = !done;
    tx.commit();
    b.join();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(waited);
    QCOMPARE(first.left(2), QStringLiteral("50"));
    QCOMPARE(second.mid(2).toInt(), first.mid(2).toInt() + 1);
}

void TestAssets::registerSavesOneRowWithItsValues()
{
    Probe<TfrmVMI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtVSFX_DTM"), QStringLiteral("50"));
    s.leave(QStringLiteral("edtVSFX_DTM"), QStringLiteral("edtVSFX_MTM"));
    const QString code = s.edit(QStringLiteral("edtVSFX_CODE"))->text();
    s.type(QStringLiteral("edtASET_NM"), QStringLiteral("로비 소파세트"));
    s.type(QStringLiteral("edtOG_DEPT_CD"), QStringLiteral("2110"));
    s.leave(QStringLiteral("edtOG_DEPT_CD"), QStringLiteral("edtVSFX_DTM"));
    // the cost department is also the using department
    QCOMPARE(s.edit(QStringLiteral("edtDEPT_CD"))->text(), QStringLiteral("2110"));
    s.type(QStringLiteral("edtACCT_SBJ_CD"), QStringLiteral("1330700"));
    s.leave(QStringLiteral("edtACCT_SBJ_CD"), QStringLiteral("edtACQ_DT"));
    QCOMPARE(s.edit(QStringLiteral("edtACCT_NAME"))->text(), QStringLiteral("집기비품"));
    // eight digits become a date as they are typed
    QTest::keyClicks(s.edit(QStringLiteral("edtACQ_DT")), QStringLiteral("20261203"));
    QCOMPARE(s.edit(QStringLiteral("edtACQ_DT"))->text(), QStringLiteral("2026-12-03"));
    s.type(QStringLiteral("edtQTY"), QStringLiteral("2"));
    s.type(QStringLiteral("edtPRC"), QStringLiteral("1,450,000"));
    s.type(QStringLiteral("edtACQ_AMT"), QStringLiteral("2,900,000"));
    s.type(QStringLiteral("edtCONT_YYS"), QStringLiteral("5"));
    s.click(QStringLiteral("bbtSave"));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
    QCOMPARE(s.State, int(MaintenanceCore::stBrowse));
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm010ms WHERE vsfx_code = :P0"), {code}).toInt(), 1);
    QCOMPARE(dbValue(QStringLiteral("SELECT concat_ws('|', vsfx_seq, acq_dt, book_amt, remn_amt, depr_sum_amt, rdm_kind, "
                                    "rdm_yn, end_aset, sal_waste_yn, pos_clf, acq_clf) FROM vm010ms WHERE vsfx_code = :P0"),
                     {code})
                 .toString(),
             QStringLiteral("1|2026-12-03|2900000|2900000|0|1|Y|N|N|K|1"));
    QCOMPARE(s.edit(QStringLiteral("edtREMN_AMT"))->text(), QStringLiteral("2,900,000"));
    // a changed acquisition amount moves the book and residual values by the difference
    TestDb::ownerExec(QStringLiteral("UPDATE vm010ms SET depr_sum_amt = 100000, remn_amt = 2800000 WHERE vsfx_code = :P0"), {code});
    s.click(QStringLiteral("bbtCancel"));
    s.click(QStringLiteral("bbtSearch"));
    s.records()->locate(QStringLiteral("VSFX_CODE"), code);
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtACQ_AMT"), QStringLiteral("3,000,000"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(dbValue(QStringLiteral("SELECT concat_ws('|', book_amt, remn_amt, depr_sum_amt) FROM vm010ms WHERE vsfx_code = :P0"),
                     {code})
                 .toString(),
             QStringLiteral("3000000|2900000|100000"));
    // the client cannot write the depreciation state itself
    bool refused = false;
    try {
        ExecSql(QStringLiteral("UPDATE vm010ms SET depr_sum_amt = 0 WHERE vsfx_code = :P0"), {code});
    } catch (const AppError&) {
        refused = true;
    }
    QVERIFY(refused);
}

void TestAssets::registerInputRefusals_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("message");
    QTest::newRow("no code") << "edtVSFX_CODE" << "" << "자산코드를 입력하세요";
    QTest::newRow("no account") << "edtACCT_SBJ_CD" << "" << "계정과목을 입력하세요";
    QTest::newRow("no cost department") << "edtOG_DEPT_CD" << "" << "원가부서를 입력하세요";
    QTest::newRow("code of another class") << "edtVSFX_CODE" << "40000099" << "자산코드는 자산분류코드와 6자리 일련번호입니다.(20)";
    QTest::newRow("letters in the amount") << "edtACQ_AMT" << "12만원" << "취득가액은(는) 숫자만 입력 가능합니다!";
    QTest::newRow("letters in the quantity") << "edtQTY" << "two" << "수량은(는) 숫자만 입력 가능합니다!";
    QTest::newRow("no such day") << "edtACQ_DT" << "2026-02-30" << "날짜를 바르게 입력하십시오.";
    QTest::newRow("month out of range") << "edtACQ_DT" << "2026-13-01" << "날짜를 바르게 입력하십시오.";
    QTest::newRow("rate above one") << "edtRDM_RATE" << "2.5" << "상각률은 0 ~ 1 사이의 값입니다.(예: 0.451)";
}

void TestAssets::registerInputRefusals()
{
    QFETCH(QString, field);
    QFETCH(QString, text);
    QFETCH(QString, message);
    const QString before = dbValue(QStringLiteral("SELECT md5(string_agg(t::text, '' ORDER BY vsfx_code)) FROM vm010ms t")).toString();
    Probe<TfrmVMI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.records()->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("20000003"));
    s.click(QStringLiteral("bbtEdit"));
    s.type(field, text);
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), message);
    QCOMPARE(m_dialogs->shown.last().caption, QStringLiteral("입력오류"));
    QCOMPARE(s.State, int(MaintenanceCore::stEdit));
    s.click(QStringLiteral("bbtCancel"));
    QCOMPARE(dbValue(QStringLiteral("SELECT md5(string_agg(t::text, '' ORDER BY vsfx_code)) FROM vm010ms t")).toString(), before);
}

void TestAssets::typeNeedsTheClassFirst()
{
    Probe<TfrmVMI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    int lookups = 0;
    m_dialogs->onDialog = [&lookups](QDialog*) {
        ++lookups;
        return int(QDialog::Accepted);
    };
    QTest::mouseClick(s.get<QToolButton>(QStringLiteral("pbtVSFX_MTM")), Qt::LeftButton);
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("자산분류코드를 먼저 선택해주세요.!"));
    QCOMPARE(lookups, 0);
    s.type(QStringLiteral("edtVSFX_MTM"), QStringLiteral("6001"));
    m_dialogs->clear();
    s.leave(QStringLiteral("edtVSFX_MTM"), QStringLiteral("edtVSFX_STM"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("자산분류코드를 먼저 선택해주세요.!"));
    QVERIFY(s.edit(QStringLiteral("edtVSFX_MTM"))->text().isEmpty());
    // with the class the types are the class's own
    s.type(QStringLiteral("edtVSFX_DTM"), QStringLiteral("60"));
    s.leave(QStringLiteral("edtVSFX_DTM"), QStringLiteral("edtASET_NM"));
    s.type(QStringLiteral("edtVSFX_MTM"), QStringLiteral("2001"));
    s.leave(QStringLiteral("edtVSFX_MTM"), QStringLiteral("edtVSFX_STM"));
    QVERIFY(s.edit(QStringLiteral("edtVSFX_MTM"))->text().isEmpty());
    s.type(QStringLiteral("edtVSFX_MTM"), QStringLiteral("6003"));
    s.leave(QStringLiteral("edtVSFX_MTM"), QStringLiteral("edtVSFX_STM"));
    QCOMPARE(s.edit(QStringLiteral("edtVSFXMNM"))->text(), QStringLiteral("화물차"));
    s.click(QStringLiteral("bbtCancel"));
}

void TestAssets::photoRoundTrip()
{
    const QByteArray jpeg = encodeJpeg(640, 400);
    m_dialogs->fileNames << writeFile(m_dir, QStringLiteral("lift.jpg"), jpeg);
    {
        Probe<TfrmVMI010> s;
        s.showActive();
        s.click(QStringLiteral("bbtSearch"));
        QVERIFY(s.get<QCheckBox>(QStringLiteral("chkPhotoView"))->isVisible());
        s.records()->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("40000001"));
        s.click(QStringLiteral("bbtEdit"));
        s.click(QStringLiteral("bbtPhoto"));
        QVERIFY(m_dialogs->shown.isEmpty());
        QVERIFY(s.photoAreaVisible());
        s.click(QStringLiteral("bbtSave"));
        QCOMPARE(dbValue(QStringLiteral("SELECT vsfx_pict FROM vm010dt WHERE vsfx_code = '40000001'")).toByteArray(), jpeg);
    }
    Probe<TfrmVMI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.records()->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("40000001"));
    // shown scaled into the 480 x 240 area, keeping its proportions
    QCOMPARE(s.shownPhoto().size(), QSize(384, 240));
    s.get<QCheckBox>(QStringLiteral("chkPhotoView"))->setChecked(true);
    QVERIFY(s.photoAreaVisible());
    s.records()->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("40000002"));
    QVERIFY(s.shownPhoto().isNull());
    QCOMPARE(Jpeg::decode(jpeg).size(), QSize(640, 400));
}

void TestAssets::damagedPhotosAreRefused_data()
{
    QTest::addColumn<QByteArray>("data");
    const QByteArray good = encodeJpeg(120, 80);
    QTest::newRow("not a picture") << QByteArray("this is a text file, not a picture\n");
    QTest::newRow("cut short") << good.left(good.size() / 2);
    QTest::newRow("header only") << good.left(20);
    QTest::newRow("empty") << QByteArray();
}

void TestAssets::damagedPhotosAreRefused()
{
    QFETCH(QByteArray, data);
    QVERIFY(Jpeg::decode(data).isNull());
    m_dialogs->fileNames << writeFile(m_dir, QStringLiteral("broken.jpg"), data);
    Probe<TfrmVMI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.records()->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("40000002"));
    s.click(QStringLiteral("bbtEdit"));
    s.click(QStringLiteral("bbtPhoto"));
    QVERIFY(m_dialogs->lastText().startsWith(QStringLiteral("JPEG 사진이 아니거나 손상된 파일입니다.")));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm010dt WHERE vsfx_code = '40000002'")).toInt(), 0);
    // and the database takes no file that is no JPEG
    bool refused = false;
    try {
        ExecSql(QStringLiteral("INSERT INTO vm010dt (vsfx_code, vsfx_pict) VALUES ('40000002', :P0)"),
                {QByteArray("GIF89a....")});
    } catch (const AppError&) {
        refused = true;
    }
    QVERIFY(refused);
}

void TestAssets::deleteAndRenameCarryThePhotoAndParticulars()
{
    // a new structure with a photo and building particulars
    fixtureAsset(QStringLiteral("30000009"), QStringLiteral("1330300"), QStringLiteral("2141"), QStringLiteral("2026-11-02"),
                 QStringLiteral("1"), 0.05, QVariant(), 50000000, 0);
    TestDb::ownerExec(QStringLiteral("INSERT INTO vm010dt (vsfx_code, vsfx_pict) VALUES ('30000009', :P0)"), {encodeJpeg(40, 20)});
    TestDb::ownerExec(QStringLiteral("INSERT INTO vm011ms (vsfx_code, vsfx_local) VALUES ('30000009', '설악 슬로프 하단')"));
    const QString count = QStringLiteral("SELECT (SELECT count(*) FROM vm010ms WHERE vsfx_code = :P0) "
                                         "     + (SELECT count(*) FROM vm010dt WHERE vsfx_code = :P0) "
                                         "     + (SELECT count(*) FROM vm011ms WHERE vsfx_code = :P0)");
    Probe<TfrmVMI010> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.records()->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("30000009"));
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtVSFX_CODE"), QStringLiteral("30000019"));
    s.click(QStringLiteral("bbtSave"));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
    QCOMPARE(dbValue(count, {QStringLiteral("30000009")}).toInt(), 0);
    QCOMPARE(dbValue(count, {QStringLiteral("30000019")}).toInt(), 3);
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("VSFX_CODE")), QStringLiteral("30000019"));
    m_dialogs->yesNoAnswers << true;
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("선택된 자료를 삭제하시겠습니까?"));
    QVERIFY(m_dialogs->dialogsRun.isEmpty());
    QCOMPARE(dbValue(count, {QStringLiteral("30000019")}).toInt(), 0);
    // an asset with increases or a depreciation history stays, and the
    // error dialog says why
    s.records()->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("20000001"));
    m_dialogs->yesNoAnswers << true;
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm010ms WHERE vsfx_code = '20000001'")).toInt(), 1);
    QCOMPARE(m_dialogs->dialogsRun.size(), 1);
    QCOMPARE(s.records()->fieldAsString(QStringLiteral("VSFX_CODE")), QStringLiteral("20000001"));
}

void TestAssets::particularsListsAndOneRowPerAsset()
{
    {
        Probe<TfrmVMI011> s;
        s.showActive();
        s.click(QStringLiteral("bbtSearch"));
        RecordSet* assets = s.assets();
        QVERIFY(assets->recordCount() > 0);
        for (int row = 0; row < assets->recordCount(); ++row)
            QVERIFY(!assets->fieldAsString(row, QStringLiteral("VSFX_CODE")).startsWith(QStringLiteral("60")));
        assets->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("20000002"));
        QVERIFY(s.hasParticulars());
        QVERIFY(!s.get<QPushButton>(QStringLiteral("bbtAdd"))->isEnabled());
        QCOMPARE(s.edit(QStringLiteral("edtROOM_EA"))->text(), QStringLiteral("180"));
        s.click(QStringLiteral("bbtEdit"));
        s.type(QStringLiteral("edtVSFX_REG"), QStringLiteral("2012-12-40"));
        s.click(QStringLiteral("bbtSave"));
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("날짜를 바르게 입력하십시오."));
        s.type(QStringLiteral("edtVSFX_REG"), QStringLiteral("20121204"));
        s.type(QStringLiteral("edtFLOOR_AREA"), QStringLiteral("4,250.75"));
        s.click(QStringLiteral("bbtSave"));
        QCOMPARE(dbValue(QStringLiteral("SELECT vsfx_reg || ' ' || floor_area FROM vm011ms WHERE vsfx_code = '20000002'")).toString(),
                 QStringLiteral("2012-12-04 4250.75"));
        // an asset without particulars takes one row
        assets->locate(QStringLiteral("VSFX_CODE"), QStringLiteral("30000001"));
        QVERIFY(s.get<QPushButton>(QStringLiteral("bbtAdd"))->isEnabled());
        s.click(QStringLiteral("bbtAdd"));
        s.type(QStringLiteral("edtVSFX_LOCAL"), QStringLiteral("강원 탈바네군 설악로 산 40"));
        s.click(QStringLiteral("bbtSave"));
        QVERIFY(s.hasParticulars());
        QVERIFY(!s.get<QPushButton>(QStringLiteral("bbtAdd"))->isEnabled());
        m_dialogs->yesNoAnswers << true;
        s.click(QStringLiteral("bbtDelete"));
        QCOMPARE(m_dialogs->lastText(), QStringLiteral("선택된 세부항목을 삭제하시겠습니까?"));
        QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm011ms WHERE vsfx_code = '30000001'")).toInt(), 0);
    }
    Probe<TfrmVMI012> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    RecordSet* assets = s.assets();
    QVERIFY(assets->recordCount() >= 4);
    for (int row = 0; row < assets->recordCount(); ++row)
        QVERIFY(assets->fieldAsString(row, QStringLiteral("VSFX_CODE")).startsWith(QStringLiteral("60")));
    QCOMPARE(s.edit(QStringLiteral("edtVCAR_NAME"))->text(), QStringLiteral("유니버스 노블"));
    // the database keeps vehicle particulars to vehicles
    bool refused = false;
    try {
        ExecSql(QStringLiteral("INSERT INTO vm012ms (vsfx_code, vcar_name) VALUES ('20000001', '호텔')"));
    } catch (const AppError&) {
        refused = true;
    }
    QVERIFY(refused);
}

void TestAssets::increaseSerialNumbers()
{
    Probe<TfrmVMI035> s;
    s.showActive();
    s.get<QDateEdit>(QStringLiteral("dtpFDate"))->setDate(QDate(2026, 1, 1));
    s.get<QDateEdit>(QStringLiteral("dtpEDate"))->setDate(QDate(2026, 12, 31));
    s.click(QStringLiteral("bbtSearch"));
    const auto add = [&](const QString& day, const QString& amount, const QString& reason) {
        s.click(QStringLiteral("bbtAdd"));
        s.type(QStringLiteral("edtVSFX_CODE"), QStringLiteral("50000002"));
        s.leave(QStringLiteral("edtVSFX_CODE"), QStringLiteral("edtFXICDATE"));
        QTest::keyClicks(s.edit(QStringLiteral("edtFXICDATE")), day);
        s.leave(QStringLiteral("edtFXICDATE"), QStringLiteral("edtFXICAMT"));
        const QString serial = s.edit(QStringLiteral("edtFXICSEQ"))->text();
        s.type(QStringLiteral("edtFXICAMT"), amount);
        s.type(QStringLiteral("edtFXICSCD"), reason);
        s.leave(QStringLiteral("edtFXICSCD"), QStringLiteral("edtFXICDESC"));
        s.click(QStringLiteral("bbtSave"));
        return serial;
    };
    QCOMPARE(add(QStringLiteral("20260410"), QStringLiteral("3,000,000"), QStringLiteral("001")), QStringLiteral("1"));
    QCOMPARE(add(QStringLiteral("20260410"), QStringLiteral("1,200,000"), QStringLiteral("002")), QStringLiteral("2"));
    QCOMPARE(add(QStringLiteral("20260411"), QStringLiteral("500,000"), QStringLiteral("001")), QStringLiteral("1"));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
    QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(fxicdate || '/' || fxicseq || '/' || fxicamt, ',' ORDER BY fxicdate, fxicseq) "
                                    "FROM vm035ms WHERE vsfx_code = '50000002'")).toString(),
             QStringLiteral("2026-04-10/1/3000000,2026-04-10/2/1200000,2026-04-11/1/500000"));
    // the reason is required; letters are no amount
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtVSFX_CODE"), QStringLiteral("50000002"));
    s.type(QStringLiteral("edtFXICDATE"), QStringLiteral("2026-04-12"));
    s.type(QStringLiteral("edtFXICSEQ"), QStringLiteral("1"));
    s.type(QStringLiteral("edtFXICAMT"), QStringLiteral("1OO,000"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("증가금액은(는) 숫자만 입력 가능합니다!"));
    s.type(QStringLiteral("edtFXICAMT"), QStringLiteral("100,000"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("증가사유를 입력하세요"));
    s.click(QStringLiteral("bbtCancel"));
    // deleting one row leaves the others of the day
    s.records()->locate(QStringLiteral("VSFX_CODE;FXICDATE;FXICSEQ"), {QStringLiteral("50000002"), QStringLiteral("2026-04-10"), 1});
    m_dialogs->yesNoAnswers << true;
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm035ms WHERE vsfx_code = '50000002'")).toInt(), 2);
}

void TestAssets::disposalQuantityAndMark()
{
    const auto asset = [] {
        return dbValue(QStringLiteral("SELECT qty || sal_waste_yn FROM vm010ms WHERE vsfx_code = '50000001'")).toString();
    };
    QCOMPARE(asset(), QStringLiteral("40N"));
    Probe<TfrmVMI025> s;
    s.showActive();
    s.get<QDateEdit>(QStringLiteral("dtpFDate"))->setDate(QDate(2026, 1, 1));
    s.get<QDateEdit>(QStringLiteral("dtpEDate"))->setDate(QDate(2026, 12, 31));
    s.click(QStringLiteral("bbtSearch"));
    const auto add = [&](const QString& day, const QString& count) {
        s.click(QStringLiteral("bbtAdd"));
        s.type(QStringLiteral("edtVSFX_CODE"), QStringLiteral("50000001"));
        s.leave(QStringLiteral("edtVSFX_CODE"), QStringLiteral("edtOCCR_DT"));
        s.type(QStringLiteral("edtOCCR_DT"), day);
        s.leave(QStringLiteral("edtOCCR_DT"), QStringLiteral("edtRMKS"));
        s.type(QStringLiteral("edtDEPR_CNT"), count);
        s.type(QStringLiteral("edtIMPL_AMT"), QStringLiteral("150,000"));
        s.click(QStringLiteral("bbtSave"));
    };
    add(QStringLiteral("2026-11-20"), QStringLiteral("5"));
    QVERIFY2(m_dialogs->shown.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
    QCOMPARE(asset(), QStringLiteral("35Y"));
    // the disposal takes the asset's opening values out
    QCOMPARE(dbValue(QStringLiteral("SELECT (dsc_book_amt = bas_book_amt + add_amt AND dsc_depr_amt = bas_depr_amt "
                                    "AND dsc_remn_amt = dsc_book_amt - dsc_depr_amt AND bas_book_amt = 34000000)::text "
                                    "FROM vm025ms WHERE vsfx_code = '50000001'")).toString(),
             QStringLiteral("true"));
    // editing applies only the change of quantity
    s.records()->locate(QStringLiteral("OCCR_DT"), QStringLiteral("2026-11-20"));
    s.click(QStringLiteral("bbtEdit"));
    s.type(QStringLiteral("edtDEPR_CNT"), QStringLiteral("8"));
    s.leave(QStringLiteral("edtVSFX_CODE"), QStringLiteral("edtRMKS"));
    QCOMPARE(s.edit(QStringLiteral("edtVSFX_CODE"))->text(), QStringLiteral("50000001"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(asset(), QStringLiteral("32Y"));
    s.click(QStringLiteral("bbtEdit"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(asset(), QStringLiteral("32Y"));
    // a second disposal of the asset (entered while the first stands)
    TestDb::ownerExec(QStringLiteral("INSERT INTO vm025ms (vsfx_code, occr_dt, impl_kind, depr_cnt) "
                                     "VALUES ('50000001', DATE '2026-12-02', '2', 2)"));
    QCOMPARE(asset(), QStringLiteral("30Y"));
    s.click(QStringLiteral("bbtCancel"));
    s.click(QStringLiteral("bbtSearch"));
    // deleting one disposal removes that one only
    s.records()->locate(QStringLiteral("VSFX_CODE;OCCR_DT"), {QStringLiteral("50000001"), QStringLiteral("2026-11-20")});
    m_dialogs->yesNoAnswers << true;
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(occr_dt::text, ',') FROM vm025ms WHERE vsfx_code = '50000001'")).toString(),
             QStringLiteral("2026-12-02"));
    QCOMPARE(asset(), QStringLiteral("38Y"));
    s.records()->locate(QStringLiteral("VSFX_CODE;OCCR_DT"), {QStringLiteral("50000001"), QStringLiteral("2026-12-02")});
    m_dialogs->yesNoAnswers << true;
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(asset(), QStringLiteral("40N"));
}

void TestAssets::disposalTermIncrease()
{
    // the hotel has two capital expenditures this term and one other increase
    Probe<TfrmVMI025> s;
    s.showActive();
    s.click(QStringLiteral("bbtSearch"));
    s.click(QStringLiteral("bbtAdd"));
    s.type(QStringLiteral("edtVSFX_CODE"), QStringLiteral("20000001"));
    s.leave(QStringLiteral("edtVSFX_CODE"), QStringLiteral("edtOCCR_DT"));
    QCOMPARE(s.edit(QStringLiteral("edtBAS_BOOK_AMT"))->text(), QStringLiteral("42,000,000,000"));
    s.type(QStringLiteral("edtOCCR_DT"), QStringLiteral("2026-12-05"));
    s.leave(QStringLiteral("edtOCCR_DT"), QStringLiteral("edtRMKS"));
    QCOMPARE(s.edit(QStringLiteral("edtADD_AMT"))->text(), QStringLiteral("511,500,000"));
    // up to the disposal date only
    s.type(QStringLiteral("edtOCCR_DT"), QStringLiteral("2026-04-01"));
    s.leave(QStringLiteral("edtOCCR_DT"), QStringLiteral("edtRMKS"));
    QCOMPARE(s.edit(QStringLiteral("edtADD_AMT"))->text(), QStringLiteral("385,000,000"));
    // outside every term: nothing
    s.type(QStringLiteral("edtOCCR_DT"), QStringLiteral("2031-04-01"));
    s.leave(QStringLiteral("edtOCCR_DT"), QStringLiteral("edtRMKS"));
    QVERIFY(s.edit(QStringLiteral("edtADD_AMT"))->text().isEmpty());
    s.click(QStringLiteral("bbtCancel"));
}

void TestAssets::transferAndItsUndoing()
{
    const QStringList moved{QStringLiteral("20000002"), QStringLiteral("50000003"), QStringLiteral("60000002")};
    const QString before = assetPlaces(moved);
    QCOMPARE(before, QStringLiteral("20000002:2110/2110,50000003:2110/2110,60000002:2110/2110"));
    Probe<TfrmVMI050> s;
    s.showActive();
    s.type(QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("2110"));
    s.leave(QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("medSILS_DATE_S"));
    QCOMPARE(s.edit(QStringLiteral("edtSTRG_NAME_S"))->text(), QStringLiteral("객실팀"));
    s.edit(QStringLiteral("medSILS_DATE_S"))->setText(QStringLiteral("2026/12/07"));
    s.click(QStringLiteral("bbtAdd"));
    s.click(QStringLiteral("bbtItemSearch"));
    RecordSet* picker = s.picker();
    QVERIFY(picker->recordCount() >= 3);
    // nothing ticked adds nothing; ticking twice and fetching twice adds once
    s.click(QStringLiteral("bbtFetch"));
    QCOMPARE(s.transfers()->recordCount(), 0);
    for (const QString& code : moved) {
        s.setTicked(picker->findRow(QStringLiteral("VSFX_CODE"), {code}), true);
        s.setTicked(picker->findRow(QStringLiteral("VSFX_CODE"), {code}), true);
    }
    s.click(QStringLiteral("bbtFetch"));
    s.click(QStringLiteral("bbtFetch"));
    QCOMPARE(s.transfers()->recordCount(), 3);
    QCOMPARE(s.countText(), QStringLiteral("갯수 3"));
    // a destination is required
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("이동부서를 선택하고 저장하세요."));
    s.edit(QStringLiteral("edtITEM_CODE"))->setText(QStringLiteral("2190"));
    s.edit(QStringLiteral("edtITEM_NAME"))->setText(QStringLiteral("설악리조트공통"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(s.DocState, int(TfrmZOI010::dsIdle));
    QCOMPARE(assetPlaces(moved), QStringLiteral("20000002:2190/2190,50000003:2190/2190,60000002:2190/2190"));
    // where they came from is recorded, and the document
    QCOMPARE(dbValue(QStringLiteral("SELECT string_agg(fxmvbfdp || '>' || fxmvnxdp || '/' || fxmvbudp || '>' || fxmvnudp, ',') "
                                    "FROM vm050ms WHERE fxmvdate = DATE '2026-12-07'")).toString(),
             QStringLiteral("2110>2190/2110>2190,2110>2190/2110>2190,2110>2190/2110>2190"));
    QCOMPARE(dbValue(QStringLiteral("SELECT dest_code || item_cnt FROM vm020ms WHERE sils_date = '20261207' AND strg_code = '2110'"))
                 .toString(),
             QStringLiteral("21903"));

    // editing undoes the transfer first and applies the new list
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.transfers()->recordCount(), 3);
    QCOMPARE(s.edit(QStringLiteral("edtITEM_CODE"))->text(), QStringLiteral("2190"));
    s.click(QStringLiteral("bbtEdit"));
    s.transfers()->locate(QStringLiteral("ITEM_CODE"), QStringLiteral("50000003"));
    s.transfers()->deleteRecord();
    s.edit(QStringLiteral("edtITEM_CODE"))->setText(QStringLiteral("2130"));
    s.click(QStringLiteral("bbtSave"));
    QVERIFY2(m_dialogs->shown.size() == 1, qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
    QCOMPARE(assetPlaces(moved), QStringLiteral("20000002:2130/2130,50000003:2110/2110,60000002:2130/2130"));

    // the delete puts every asset back where it started
    s.click(QStringLiteral("bbtSearch"));
    m_dialogs->yesNoAnswers << true;
    s.click(QStringLiteral("bbtDelete"));
    QCOMPARE(assetPlaces(moved), before);
    QCOMPARE(dbValue(QStringLiteral("SELECT (SELECT count(*) FROM vm050ms WHERE fxmvdate = DATE '2026-12-07') "
                                    "     + (SELECT count(*) FROM vm020ms WHERE sils_date = '20261207')")).toInt(), 0);
    s.click(QStringLiteral("bbtSearch"));
    QCOMPARE(s.transfers()->recordCount(), 0);
    QCOMPARE(s.countText(), QStringLiteral("갯수 0"));
}

void TestAssets::transferRefusals()
{
    const QStringList bus{QStringLiteral("60000002")};
    const QString before = assetPlaces(bus);
    Probe<TfrmVMI050> s;
    s.showActive();
    s.edit(QStringLiteral("medSILS_DATE_S"))->setText(QStringLiteral("2026/12/08"));
    s.click(QStringLiteral("bbtAdd"));
    s.click(QStringLiteral("bbtItemSearch"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("부서를 선택하고 조회하세요."));
    s.type(QStringLiteral("edtSTRG_CODE_S"), QStringLiteral("2110"));
    s.edit(QStringLiteral("edtITEM_CODE"))->setText(QStringLiteral("2130"));
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("품목을 입력하세요"));
    // a move into the department the asset is already in
    s.edit(QStringLiteral("edtITEM_CODE"))->setText(QStringLiteral("2110"));
    s.click(QStringLiteral("bbtItemSearch"));
    s.setTicked(s.picker()->findRow(QStringLiteral("VSFX_CODE"), {QStringLiteral("60000002")}), true);
    s.click(QStringLiteral("bbtFetch"));
    m_dialogs->clear();
    s.click(QStringLiteral("bbtSave"));
    QCOMPARE(m_dialogs->lastText(), QStringLiteral("[60000002 셔틀버스 2호] 이미 이동부서(2110)의 자산입니다."));
    QCOMPARE(s.DocState, int(TfrmZOI010::dsInsert));
    QVERIFY(!SharedTransaction::instance().inTransaction());
    QCOMPARE(assetPlaces(bus), before);
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm050ms WHERE fxmvdate = DATE '2026-12-08'")).toInt(), 0);
    s.click(QStringLiteral("bbtCancel"));
    // October's move of the old bus cannot be undone once it moved on; undone
    // in turn, the bus is back where it was before October
    const auto call = [](const char* day, const char* from, const char* flag) {
        return CallProcText(QStringLiteral("pr_v_move_asset_update"),
                            {QLatin1String(day), QLatin1String(from), QLatin1String(flag)});
    };
    SharedTransaction& tx = SharedTransaction::instance();
    tx.start();
    ExecSql(QStringLiteral("INSERT INTO vm050ms (fxmvdate, fxmvfxcd, fxmvnxdp, fxmvnudp, fxmvqty) "
                           "VALUES (DATE '2026-11-02', '60000001', '2140', '2140', 1)"));
    QCOMPARE(call("2026-11-02", "2130", "INS"), QStringLiteral("Y"));
    tx.commit();
    QCOMPARE(call("2026-10-01", "2110", "DEL"),
             QStringLiteral("E[60000001 셔틀버스 1호] 이후에 다시 이동된 자산은 되돌릴 수 없습니다."));
    QCOMPARE(assetPlaces({QStringLiteral("60000001")}), QStringLiteral("60000001:2140/2140"));
    QCOMPARE(CallProcText(QStringLiteral("pr_o_date_stock_sil_update"), {QStringLiteral("2026-11-02"), QStringLiteral("2130"),
                                                                        QStringLiteral("DEL")}),
             QStringLiteral("Y"));
    QCOMPARE(call("2026-10-01", "2110", "DEL"), QStringLiteral("Y"));
    QCOMPARE(assetPlaces({QStringLiteral("60000001")}), QStringLiteral("60000001:2110/2110"));
}

void TestAssets::depreciationAmounts()
{
    // The fixture, depreciated for December 2026 (class 90 is not in use):
    fixtureAsset(QStringLiteral("50900001"), QStringLiteral("1330700"), QStringLiteral("2110"), QStringLiteral("2025-01-10"),
                 QStringLiteral("1"), 0.2, QVariant(), 12000000, 2400000);            // straight line
    fixtureAsset(QStringLiteral("50900002"), QStringLiteral("1330700"), QStringLiteral("1140"), QStringLiteral("2024-05-02"),
                 QStringLiteral("2"), 0.451, QVariant(), 10000000, 4000000);          // declining balance
    fixtureAsset(QStringLiteral("50900003"), QStringLiteral("1330700"), QStringLiteral("2110"), QStringLiteral("2022-01-03"),
                 QStringLiteral("1"), 0.2, QVariant(), 12000000, 11850000);           // reaches its memorandum value
    fixtureAsset(QStringLiteral("50900004"), QStringLiteral("1330700"), QStringLiteral("1140"), QStringLiteral("2023-03-02"),
                 QStringLiteral("2"), 0.451, QVariant(), 10000000, 9490000);          // reaches 5 %
    fixtureAsset(QStringLiteral("50900005"), QStringLiteral("1330700"), QStringLiteral("2110"), QStringLiteral("2026-12-28"),
                 QStringLiteral("1"), QVariant(), 4, 4800000, 0);                     // acquired this month, rate of its life
    fixtureAsset(QStringLiteral("50900006"), QStringLiteral("1330700"), QStringLiteral("2110"), QStringLiteral("2027-01-04"),
                 QStringLiteral("1"), 0.2, QVariant(), 4800000, 0);                   // acquired next month
    fixtureAsset(QStringLiteral("50900007"), QStringLiteral("1330700"), QStringLiteral("2110"), QStringLiteral("2025-06-01"),
                 QStringLiteral("1"), 0.2, QVariant(), 6000000, 600000);              // disposed this month
    TestDb::ownerExec(QStringLiteral("INSERT INTO vm025ms (vsfx_code, occr_dt, depr_cnt) VALUES ('50900007', DATE '2026-12-15', 0)"));
    fixtureAsset(QStringLiteral("50900008"), QStringLiteral("1330700"), QStringLiteral("2110"), QStringLiteral("2025-06-01"),
                 QStringLiteral("1"), QVariant(), QVariant(), 6000000, 0);            // neither rate nor life

    QSqlQuery q = RunQuery(QStringLiteral("SELECT vsfx_code, depr_amt::text, problem, exp_acct, depr_acct FROM pk_v_asset.depreciation_rows('202612') "
                                          "WHERE vsfx_code LIKE '509%' ORDER BY vsfx_code"));
    QStringList rows;
    while (q.next())
        rows << QStringLiteral("%1 %2 %3 %4 %5").arg(q.value(0).toString(), q.value(1).toString(), q.value(3).toString(),
                                                    q.value(4).toString(), q.value(2).toString());
    QCOMPARE(rows, (QStringList{
                       QStringLiteral("50900001 200000 7120640 1330795 "),    // 12,000,000 x 0.2 / 12
                       QStringLiteral("50900002 225500 7520720 1330795 "),    // 6,000,000 x 0.451 / 12, cut at the won
                       QStringLiteral("50900003 149000 7120640 1330795 "),    // down to 1,000 only
                       QStringLiteral("50900004 10000 7520720 1330795 "),     // down to 500,000 only
                       QStringLiteral("50900005 100000 7120640 1330795 "),    // 4,800,000 / 4 / 12, the whole month
                       QStringLiteral("50900008 0 7120640 1330795 내용연수 또는 상각률이 없습니다."),
                   }));
    // a month that is no month has no rows
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM pk_v_asset.depreciation_rows('202613')")).toInt(), 0);
}

void TestAssets::depreciationRunAndSlipDelete()
{
    // the fixture of the amounts, without the asset that cannot be depreciated
    TestDb::ownerExec(QStringLiteral("DELETE FROM vm010ms WHERE vsfx_code = '50900008'"));
    const auto state = [](const QString& code) {
        return dbValue(QStringLiteral("SELECT concat_ws('|', depr_sum_amt, remn_amt, last_dep_dt, end_aset) FROM vm010ms "
                                      "WHERE vsfx_code = :P0"),
                       {code})
            .toString();
    };
    const QString assetsBefore = dbValue(QStringLiteral("SELECT md5(string_agg(concat_ws('|', vsfx_code, depr_sum_amt, remn_amt, "
                                                        "last_dep_dt, end_aset, rdm_fini_prid), ',' ORDER BY vsfx_code)) FROM vm010ms"))
                                     .toString();
    Probe<TfrmVMI060> s;
    s.showActive();
    s.type(QStringLiteral("edtDEPR_YM"), QStringLiteral("202612"));
    s.click(QStringLiteral("bbtSearch"));
    QVERIFY(s.records()->recordCount() > 5);
    const qint64 expected = dbValue(QStringLiteral("SELECT sum(depr_amt) FROM pk_v_asset.depreciation_rows('202612')")).toLongLong();
    qint64 totals = 0;
    for (int row = 0; row < s.totals()->recordCount(); ++row)
        totals += s.totals()->value(row, QStringLiteral("DEPR_AMT")).toLongLong();
    QCOMPARE(totals, expected);
    // run: confirm, then do not open the slip now
    m_dialogs->yesNoAnswers << true << false;
    s.click(QStringLiteral("bbtRun"));
    const QString slip = s.slipNo();
    QVERIFY2(!slip.isEmpty(), qPrintable(m_dialogs->texts().join(QLatin1Char('|'))));
    QVERIFY(s.infoText().contains(slip));
    // one balanced, unconfirmed slip of the month's last day through the slip procedure
    QCOMPARE(dbValue(QStringLiteral("SELECT concat_ws('|', h.slip_date, h.slip_conf_yn, h.slip_del_yn, h.total_d_amt, h.total_c_amt, "
                                    "(SELECT sum(d_amount) FROM vb011ms WHERE slip_no = h.slip_no), "
                                    "(SELECT sum(c_amount) FROM vb011ms WHERE slip_no = h.slip_no)) "
                                    "FROM vb010ms h WHERE slip_no = :P0"),
                     {slip})
                 .toString(),
             QStringLiteral("2026-12-31|N|N|%1|%1|%1|%1").arg(expected));
    // debits per department and expense account carry the department item
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vb011ms l WHERE l.slip_no = :P0 AND l.d_amount > 0 AND NOT EXISTS "
                                    "(SELECT 1 FROM vb011dt i WHERE i.slip_no = l.slip_no AND i.slip_seq_no = l.slip_seq_no "
                                    "AND i.mg_code IN ('118', '141'))"),
                     {slip})
                 .toInt(),
             0);
    QCOMPARE(dbValue(QStringLiteral("SELECT c_amount FROM vb011ms WHERE slip_no = :P0 AND acct_code = '1330795'"), {slip}).toLongLong(),
             dbValue(QStringLiteral("SELECT sum(d.depr_amt) FROM vm060dt d JOIN vm010ms a ON a.vsfx_code = d.vsfx_code "
                                    "WHERE d.depr_ym = '202612' AND a.acct_sbj_cd = '1330700'"))
                 .toLongLong());
    QCOMPARE(state(QStringLiteral("50900001")), QStringLiteral("2600000|9400000|2026-12-31|N"));
    QCOMPARE(state(QStringLiteral("50900003")), QStringLiteral("11999000|1000|2026-12-31|Y"));
    QCOMPARE(state(QStringLiteral("50900004")), QStringLiteral("9500000|500000|2026-12-31|Y"));
    QCOMPARE(state(QStringLiteral("50900007")), QStringLiteral("600000|5400000|N"));

    // a second run of the month is refused while its slip exists
    m_dialogs->clear();
    QCOMPARE(CallProcRow(QStringLiteral("pr_v_vmi060sp"), {QStringLiteral("202612"), Session::workstationIp, QStringLiteral("1111"),
                                                          Session::empNo})
                 .value(0)
                 .toString()
                 .section(QLatin1Char('('), 0, 0),
             QStringLiteral("E이미 감가상각이 처리된 월입니다."));
    // its lines cannot be replaced in slip entry
    SharedTransaction& tx = SharedTransaction::instance();
    bool kept = false;
    tx.start();
    try {
        ExecSql(QStringLiteral("INSERT INTO vb011ms_gt (slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount) "
                               "SELECT slip_no, slip_seq_no, acct_code, ref_data, d_amount, c_amount FROM vb011ms "
                               "WHERE slip_no = :P0"),
                {slip});
        ExecSql(QStringLiteral("INSERT INTO vb011dt_gt (slip_no, mg_code, mg_detail, mg_detail_name, acct_code, slip_seq_no, "
                               "d_amount, c_amount, lineup_no) "
                               "SELECT slip_no, mg_code, mg_detail, mg_detail_name, acct_code, slip_seq_no, d_amount, c_amount, "
                               "lineup_no FROM vb011dt WHERE slip_no = :P0"),
                {slip});
        CallProcText(QStringLiteral("pk_v_slip_01.slip_apply"), {QStringLiteral("V"), QStringLiteral("1"), QStringLiteral("2"),
                                                                slip, QStringLiteral("1111"), QStringLiteral("2026-12-31"),
                                                                Session::workstationIp, Session::empNo, QStringLiteral("K")});
    } catch (const AppError& e) {
        kept = e.message().contains(QStringLiteral("수정할 수 없습니다"));
    }
    tx.rollback();
    QVERIFY(kept);
    // November's slip cannot go while December's stands
    const QString november = dbValue(QStringLiteral("SELECT slip_no FROM vm060ms WHERE depr_ym = '202611'")).toString();
    bool refused = false;
    tx.start();
    try {
        CallProcText(QStringLiteral("pk_v_slip_01.slip_apply"), {QStringLiteral("V"), QStringLiteral("1"), QStringLiteral("3"),
                                                                november, QStringLiteral("1111"), QStringLiteral("2026-11-30"),
                                                                Session::workstationIp, Session::empNo, QStringLiteral("K")});
    } catch (const AppError& e) {
        refused = e.message().contains(QStringLiteral("202612"));
    }
    tx.rollback();
    QVERIFY(refused);

    // deleting December's slip, as slip entry does, undoes the run
    tx.start();
    QCOMPARE(CallProcText(QStringLiteral("pk_v_slip_01.slip_apply"), {QStringLiteral("V"), QStringLiteral("1"), QStringLiteral("3"),
                                                                     slip, QStringLiteral("1111"), QStringLiteral("2026-12-31"),
                                                                     Session::workstationIp, Session::empNo, QStringLiteral("K")}),
             QStringLiteral("R") + slip);
    tx.commit();
    QCOMPARE(dbValue(QStringLiteral("SELECT md5(string_agg(concat_ws('|', vsfx_code, depr_sum_amt, remn_amt, last_dep_dt, end_aset, "
                                    "rdm_fini_prid), ',' ORDER BY vsfx_code)) FROM vm010ms"))
                 .toString(),
             assetsBefore);
    QCOMPARE(dbValue(QStringLiteral("SELECT count(*) FROM vm060ms WHERE depr_ym = '202612'")).toInt(), 0);
    // and the month may run again
    s.click(QStringLiteral("bbtCancel"));
    s.click(QStringLiteral("bbtSearch"));
    QVERIFY(s.slipNo().isEmpty());
    m_dialogs->yesNoAnswers << true << false;
    s.click(QStringLiteral("bbtRun"));
    QVERIFY(!s.slipNo().isEmpty());
    QVERIFY(s.slipNo() != slip);
    QCOMPARE(state(QStringLiteral("50900001")), QStringLiteral("2600000|9400000|2026-12-31|N"));
}

TV_TEST_MAIN(TestAssets)
#include "tst_assets.moc"
