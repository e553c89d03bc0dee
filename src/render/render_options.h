#pragma once

#include <QString>

#include <optional>
#include <string>
#include <variant>

namespace plant {

// What plant-render is asked to do.
struct RenderOptions {
  std::string answer = "1";
  std::optional<float> clock;
  int width = 1024;  // logical pixels
  int height = 768;
  int scale = 1;
  QString output;  // PNG; empty for none
  QString trace;   // dot records; empty for none
  bool digest = false;
  std::optional<std::string> scratchDirectory;
};

// A finished run without drawing: what to print and the exit status.
struct RenderExit {
  int status;
  QString text;  // to standard output when status is 0, to standard error otherwise
};

inline constexpr int kExitDrawn = 0;
inline constexpr int kExitFailure = 1;
inline constexpr int kExitUsage = 2;

// Reads the command line; --help, --version and bad usage end the run here.
std::variant<RenderOptions, RenderExit> ParseRenderOptions(const QStringList& arguments);

}  // namespace plant
