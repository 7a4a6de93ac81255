#pragma once

// "Отчёт для учителя ...": the teacher's report built from the trainer's own
// log and opened in the desktop's browser.

#include <QString>

#include <string>

class QWidget;

namespace korvan {

// Writes the page beside the log ("Report.html"), or in the temporary folder
// when the log's folder cannot be written, and hands it to the desktop. A
// failure is shown in the program's message box. Returns the page's path, or
// an empty text after a failure.
QString OpenTeacherReport(QWidget* parent, const std::string& logPath);

} // namespace korvan
