#pragma once

#include <QCryptographicHash>

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "canvas/trace_canvas.h"

namespace plant::testing {

// SHA-256 of a trace, whole and cut into stages at given record indices, taken as it is drawn.
class StageDigests {
 public:
  explicit StageDigests(std::vector<std::uint64_t> stageStarts) : starts_(std::move(stageStarts)) {
    for (std::size_t i = 0; i < starts_.size(); ++i) stages_.push_back(std::make_unique<QCryptographicHash>(QCryptographicHash::Sha256));
  }

  void Consume(std::span<const std::byte> bytes) {
    whole_.addData(View(bytes));
    while (!bytes.empty()) {
      const std::uint64_t record = offset_ / TraceCanvas::kRecordSize;
      std::size_t stage = 0;
      while (stage + 1 < starts_.size() && record >= starts_[stage + 1]) ++stage;
      std::size_t take = bytes.size();
      if (stage + 1 < starts_.size()) {
        const std::uint64_t stageEnd = starts_[stage + 1] * TraceCanvas::kRecordSize;
        take = static_cast<std::size_t>(std::min<std::uint64_t>(take, stageEnd - offset_));
      }
      if (record >= starts_.front()) stages_[stage]->addData(View(bytes.first(take)));
      bytes = bytes.subspan(take);
      offset_ += take;
    }
  }

  std::string Whole() const { return whole_.result().toHex().toStdString(); }
  std::string Stage(std::size_t index) const { return stages_[index]->result().toHex().toStdString(); }
  std::uint64_t records() const { return offset_ / TraceCanvas::kRecordSize; }

 private:
  static QByteArrayView View(std::span<const std::byte> bytes) {
    return QByteArrayView(reinterpret_cast<const char*>(bytes.data()), static_cast<qsizetype>(bytes.size()));
  }

  std::vector<std::uint64_t> starts_;
  std::vector<std::unique_ptr<QCryptographicHash>> stages_;
  QCryptographicHash whole_{QCryptographicHash::Sha256};
  std::uint64_t offset_ = 0;
};

}  // namespace plant::testing
