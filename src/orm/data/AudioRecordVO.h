#pragma once

#include "orm/data/BaseVO.h"

#include <QVector>

// A recording as the API stores it: transcript, translation, file path, cloud link and times.
class AudioRecordVO : public BaseVO
{
    VB_RECORD(AudioRecordVO)
public:
    qint64 userid = 0;
    QString filepath;     // absolute, or relative to the record folder
    QString attr1;        // signed link to the audio in cloud storage, carries "Expires"
    QString attr2;
    QString content;      // transcript
    QString translatedText;
    QString language;
    QString deviceSn;
    qint64 createTime = 0; // milliseconds since the epoch
    qint64 duration = 0;   // seconds
    QString startTime;     // "yyyy-MM-dd hh:mm:ss", set when a recording starts
    QString endTime;
    // Display texts, filled by fillDisplayFields.
    QString createTimeStr;
    QString durationStr;

    // Sets createTimeStr ("yyyy-MM-dd hh:mm:ss", local time) and durationStr of each record.
    static void fillDisplayFields(QVector<AudioRecordVO> &records);
    // "1小时2分5秒", "2分", "0秒".
    static QString durationText(qint64 seconds);
};
