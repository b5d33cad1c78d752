// The graph windows on a graph file: whatever it holds, the run draws its pages or ends with its
// message, and nothing it draws lies at a point that is not a number or prints a NaN or Inf (a
// title the file itself holds excepted). The print question is answered No, the contour interval
// question with the interval offered.
#include <cmath>

#include "fuzz_targets.h"
#include "graphs/graph_runs.h"
#include "platform/scripted_platform.h"

namespace pave::fuzz {

namespace {

class CheckingSurface : public DrawingSurface {
 public:
  CheckingSurface(int width, int height, const std::string& input)
      : DrawingSurface(width, height), input_(input) {}

 protected:
  void DrawLine(double x1, double y1, double x2, double y2, const Pen&) override { Points({x1, y1, x2, y2}); }
  void DrawBox(double x1, double y1, double x2, double y2, const Pen&) override { Points({x1, y1, x2, y2}); }
  void DrawCircle(double x, double y, double radius, const Pen&, int) override { Points({x, y, radius}); }
  void DrawEllipse(double x, double y, double rx, double ry, const Pen&, int) override { Points({x, y, rx, ry}); }
  void DrawText(double x, double y, double, std::string_view text, const SurfaceFont&, int) override {
    Points({x, y});
    CheckFinite("a text drawn", std::string(text), input_);
  }
  double MeasureWidth(std::string_view text, const SurfaceFont& font) const override {
    return 0.6 * font.size * 20 * static_cast<double>(text.size());
  }
  double MeasureHeight(const SurfaceFont& font) const override { return 1.15 * font.size * 20; }
  void Erase() override {}

 private:
  static void Points(std::initializer_list<double> values) {
    for (double v : values) {
      if (!std::isfinite(v)) Fault("a drawing at a point that is not a number");
    }
  }
  const std::string& input_;
};

class Host : public graphs::GraphWindowHost {
 public:
  void ShowWindow() override {}
  void SetCaption(const std::string&) override {}
};

// Answers every question as a user paging through would: No to printing, the offered interval.
class PagingMessages : public ScriptedMessages {
 public:
  using ScriptedMessages::Input;
  using ScriptedMessages::Show;
  MessageAnswer Show(const std::string& text, MessageButtons buttons, const std::string& title,
                     BoxPlace place) override {
    CheckFinite("a message", text);
    return ScriptedMessages::Show(text, buttons, title, place);
  }
  std::optional<std::string> Input(const std::string& prompt, const std::string& title,
                                   const std::string& default_text, BoxPlace place) override {
    CheckFinite("a question", prompt + "\n" + default_text);
    if (++asked_ > 50) return std::nullopt;   // a field the user gives up on
    ScriptedMessages::Input(prompt, title, default_text, place);
    return default_text;
  }

 private:
  int asked_ = 0;
};

template <typename Run>
int RunGraph(const std::uint8_t* data, std::size_t size, const char* name, Run run) {
  const std::string input(reinterpret_cast<const char*>(data), size);
  const std::string graph_file = ScratchFile(name, data, size);
  const std::string data_file = graph_file.substr(0, graph_file.size() - 4) + ".DAT";
  ScriptedPlatform platform;
  PagingMessages messages;
  PlatformServices services = pave::platform().services();   // the scripted ones, with our own questions
  services.messages = &messages;
  const ScopedPlatform scoped(services);
  CheckingSurface surface(graphs::kContourPageWidth, graphs::kGraphPageHeight, input);
  Host host;
  graphs::GraphRun graph(surface, host);
  run(data_file, graph);
  return 0;
}

}  // namespace

int LayerGraph(const std::uint8_t* data, std::size_t size) {
  return RunGraph(data, size, "CASE.LAY", [](const std::string& f, graphs::GraphRun& g) { graphs::RunLayerGraph(f, g); });
}

int SlabGraph(const std::uint8_t* data, std::size_t size) {
  return RunGraph(data, size, "CASE.SLA", [](const std::string& f, graphs::GraphRun& g) {
    graphs::RunSlabGridGraph(f, g);
    std::int16_t direction = 0;
    graphs::RunContourGraph(f, g, direction);
  });
}

}  // namespace pave::fuzz
