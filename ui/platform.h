// Everything the game asks of the outside world.
//
// The game core talks to the screen, the desktop and the clock only through
// this interface. The FLTK window implements it for play; the tests use a
// recording implementation.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

namespace mordavel {

// Identity of a widget the player can press. The fixed buttons have the
// small numbers below; action buttons get numbers of their own, handed out
// by the game when it asks for a button.
using WidgetId = std::uint32_t;

namespace widget {
constexpr WidgetId None = 0;
constexpr WidgetId VisitURLBtn = 1;
constexpr WidgetId InstructionBtn = 2;
constexpr WidgetId ConsumeBtn = 3;
constexpr WidgetId StatsBtn = 4;
constexpr WidgetId InventoryBtn = 5;
constexpr WidgetId RestartGameBtn = 6;
constexpr WidgetId FirstActionBtn = 100;
}  // namespace widget

struct Event {
  enum class Kind { Tick, Press, Close, Other };
  Kind kind = Kind::Other;
  WidgetId source = widget::None;
};

using EventHandler = std::function<void(const Event&)>;

class Platform {
 public:
  virtual ~Platform() = default;

  // Starts the 100 Hz timer and delivers every event (ticks, presses,
  // window close) to the handler, on the one GUI thread.
  virtual void listen(EventHandler handler) = 0;
  // Opens the game window with its story area, picture panel and fixed
  // buttons; "Restart Game" starts hidden.
  virtual void openWindow(const std::string& title, const std::string& visitLabel) = 0;
  // Ends the program with exit status 0.
  virtual void endProgram() = 0;

  // The story area: text is only ever added at the end, unchanged, and the
  // end stays in view.
  virtual void appendStory(const std::string& text) = 0;
  // Replaces the whole story with text, top in view.
  virtual void setStory(const std::string& text) = 0;
  // Shows the JPEG picture at path, scaled to cover the panel. When the file
  // cannot be loaded the panel keeps what it showed; returns false then.
  virtual bool showPicture(const std::string& path) = 0;

  // Action buttons: row 0..7 of the column under the picture.
  virtual void addActionButton(WidgetId id, int row, const std::string& label) = 0;
  virtual void removeActionButton(WidgetId id) = 0;
  // Fixed buttons: hide or show.
  virtual void setVisible(WidgetId fixedButton, bool visible) = 0;

  // The desktop's opener, started without a shell and without waiting.
  virtual void openWebAddress(const std::string& address) = 0;
  virtual void openDocument(const std::string& absolutePath) = 0;
};

}  // namespace mordavel
