#pragma once
// The result report: the text a complete beam calculation writes into
// "Zelvar-Beam.txt", and the writer that puts it there.

#include <filesystem>
#include <functional>
#include <string>

#include "core/beam/ResultReportSink.h"

namespace zb {

// The report's last line: when it was computed, and the legal notice.
struct ReportStamp {
  std::string dateTime;  // the locale's general date and time
  std::string legalNotice;
};

// The report as Windows-1252 bytes with CR LF line ends. `newline` is the
// line separator the program uses inside texts (CR LF).
std::string ComposeResultReport(const ReportInputs& in, const ReportStamp& stamp,
                                const std::string& newline = "\r\n");

// Writes the report into a folder (the working directory by default),
// replacing an earlier one only once the new one is completely written.
class ResultFileWriter final : public ResultReportSink {
 public:
  // dateTimeNow gives the current date and time as the report shows it.
  ResultFileWriter(std::function<std::string()> dateTimeNow, std::filesystem::path folder = {});
  void WriteResultReport(ModuleState& state, const ReportInputs& inputs) override;

 private:
  std::function<std::string()> dateTimeNow_;
  std::filesystem::path folder_;
};

}  // namespace zb
