// The game window on FLTK: the story area, the picture panel, the fixed and
// action buttons, the 100 Hz timer and the desktop's opener.
#pragma once

#include <sys/types.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "ui/platform.h"

class Fl_Button;
class Fl_Double_Window;
class Fl_Image;
class Fl_Text_Buffer;
class Fl_Text_Display;
class Fl_Widget;

namespace mordavel {

class PicturePanel;

class FltkPlatform : public Platform {
 public:
  FltkPlatform();
  ~FltkPlatform() override;
  FltkPlatform(const FltkPlatform&) = delete;
  FltkPlatform& operator=(const FltkPlatform&) = delete;

  void listen(EventHandler handler) override;
  void openWindow(const std::string& title, const std::string& visitLabel) override;
  void endProgram() override;

  void appendStory(const std::string& text) override;
  void setStory(const std::string& text) override;
  bool showPicture(const std::string& path) override;

  void addActionButton(WidgetId id, int row, const std::string& label) override;
  void removeActionButton(WidgetId id) override;
  void setVisible(WidgetId fixedButton, bool visible) override;

  void openWebAddress(const std::string& address) override;
  void openDocument(const std::string& absolutePath) override;

  // The family the story area ended up with: "Tahoma", or the fallback
  // when Tahoma cannot be had.
  const std::string& storyFontFamily() const { return storyFont_; }

 private:
  static void onTick(void* self);
  static void onButton(Fl_Widget* button, void* self);
  static void onClose(Fl_Widget* window, void* self);

  void deliver(const Event& event);
  Fl_Button* makeButton(int x, int y, int w, int h, const std::string& label, WidgetId id);
  void openWith(const std::string& argument);
  void reapOpeners();

  EventHandler handler_;
  bool ticking_ = false;
  std::string storyFont_;

  // The buffer must outlive the display that shows it, so it is declared
  // first and destroyed last.
  std::unique_ptr<Fl_Text_Buffer> buffer_;
  std::unique_ptr<Fl_Double_Window> window_;  // owns every widget on it
  Fl_Text_Display* story_ = nullptr;
  PicturePanel* picture_ = nullptr;
  std::map<WidgetId, Fl_Button*> fixed_;
  std::map<WidgetId, Fl_Button*> actions_;
  int clientW_ = 0, clientH_ = 0, panelW_ = 0;

  std::vector<pid_t> openers_;  // started, not yet reaped
};

}  // namespace mordavel
