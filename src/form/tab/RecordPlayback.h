#pragma once

#include <QString>

class AudioRecordVO;

// Playing a recording: its local audio file, else the file below the record folder, else its
// link in cloud storage. A record's path and link come from the server, so only audio files
// and web links are ever handed to the desktop.
namespace RecordPlayback {
// What plays: a local file path or an http(s) link; empty when there is none that may be opened.
QString target(const AudioRecordVO &record, const QString &recordFolder);
// Opens the target with the desktop, or warns that there is no audio.
void play(const AudioRecordVO &record, const QString &recordFolder);
} // namespace RecordPlayback
