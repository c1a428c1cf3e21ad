#include "store/Schema.h"

namespace mv {

QStringList catalogueSchema()
{
    return {
        QStringLiteral("CREATE TABLE PLUTBL ("
                       " PLUKODU INTEGER NOT NULL PRIMARY KEY,"
                       " BARKODU INTEGER,"
                       " DEPT INTEGER,"
                       " PLUADI VARCHAR(36) CHARACTER SET WIN1254 COLLATE PXW_TURK,"
                       " FIYAT NUMERIC(18,4),"
                       " URTIP INTEGER,"
                       " BARTIP INTEGER,"
                       " DARA NUMERIC(18,4),"
                       " RAFOMRU INTEGER,"
                       " MESAJ1 INTEGER,"
                       " ETIKETNO INTEGER,"
                       " DEGISTI VARCHAR(1) CHARACTER SET WIN1254 COLLATE PXW_TURK)"),
        QStringLiteral("CREATE TABLE TERAZITBL ("
                       " ID INTEGER NOT NULL PRIMARY KEY,"
                       " TRZIP VARCHAR(15) CHARACTER SET WIN1254 COLLATE PXW_TURK,"
                       " TRZADI VARCHAR(16) CHARACTER SET WIN1254 COLLATE PXW_TURK,"
                       " DURUM VARCHAR(1) CHARACTER SET WIN1254 COLLATE PXW_TURK,"
                       " VERIZAMANI VARCHAR(20) CHARACTER SET WIN1254 COLLATE PXW_TURK)"),
        QStringLiteral("CREATE TABLE HKEYTBL ("
                       " TRZID INTEGER NOT NULL,"
                       " TBLNO INTEGER NOT NULL,"
                       " TUSNO INTEGER NOT NULL,"
                       " PLUKODU INTEGER,"
                       " PRIMARY KEY (TRZID, TBLNO, TUSNO))"),
        QStringLiteral("CREATE TABLE MSGTBL ("
                       " MSGID INTEGER NOT NULL PRIMARY KEY,"
                       " MESAJ VARCHAR(512) CHARACTER SET WIN1254 COLLATE PXW_TURK)"),
        QStringLiteral("CREATE TABLE LOGTBL ("
                       " LOGNO INTEGER NOT NULL PRIMARY KEY,"
                       " TARIH DATE,"
                       " SAAT TIME,"
                       " ISLEM VARCHAR(256) CHARACTER SET WIN1254 COLLATE PXW_TURK)"),
        QStringLiteral("CREATE INDEX LOGTBL_TARIH ON LOGTBL (TARIH, SAAT)"),
        QStringLiteral("CREATE SEQUENCE SEQ_LOG"),
        QStringLiteral("CREATE SEQUENCE SEQ_TERAZI"),
        QStringLiteral("CREATE PROCEDURE P_LOG RETURNS (KAYIT_NO INTEGER) AS "
                       "BEGIN KAYIT_NO = NEXT VALUE FOR SEQ_LOG; END"),
        QStringLiteral("CREATE PROCEDURE P_TERAZI RETURNS (KAYIT_NO INTEGER) AS "
                       "BEGIN KAYIT_NO = NEXT VALUE FOR SEQ_TERAZI; END"),
    };
}

} // namespace mv
