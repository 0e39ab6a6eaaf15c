#include "ui/fltk_window.h"

#include <FL/Fl.H>
#include <FL/Fl_Button.H>
#include <FL/Fl_Double_Window.H>
#include <FL/Fl_Image.H>
#include <FL/Fl_JPEG_Image.H>
#include <FL/Fl_Text_Buffer.H>
#include <FL/Fl_Text_Display.H>
#include <FL/Fl_Widget.H>
#include <FL/fl_draw.H>
#include <FL/x.H>
#include <fcntl.h>
#include <fontconfig/fontconfig.h>
#include <spawn.h>
#include <strings.h>
#include <sys/stat.h>
#include <sys/wait.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <vector>

#include "ui/layout.h"

extern char** environ;

namespace mordavel {

namespace {

constexpr double kTickSeconds = 0.01;  // the game's 100 Hz heartbeat
constexpr int kStoryFontSize = 10;
constexpr int kSmallestLabelSize = 8;
constexpr int kLabelMargin = 4;
constexpr const char* kStoryFontFamily = "Tahoma";
constexpr const char* kFallbackFontFamily = "DejaVu Sans";

// Debian ships Tahoma with Wine's fonts, in a folder fontconfig does not
// scan; the game adds it for itself.
const char* const kTahomaFiles[] = {
    "/usr/share/wine/fonts/tahoma.ttf",
    "/usr/share/wine/fonts/tahomabd.ttf",
};

bool fontconfigHasFamily(const char* family) {
  FcPattern* pattern = FcNameParse(reinterpret_cast<const FcChar8*>(family));
  if (!pattern) return false;
  FcConfigSubstitute(nullptr, pattern, FcMatchPattern);
  FcDefaultSubstitute(pattern);
  FcResult result = FcResultNoMatch;
  FcPattern* match = FcFontMatch(nullptr, pattern, &result);
  bool found = false;
  if (match) {
    FcChar8* name = nullptr;
    for (int i = 0; !found && FcPatternGetString(match, FC_FAMILY, i, &name) == FcResultMatch; ++i)
      found = strcasecmp(reinterpret_cast<const char*>(name), family) == 0;
    FcPatternDestroy(match);
  }
  FcPatternDestroy(pattern);
  return found;
}

// Registers Tahoma with fontconfig before FLTK opens any font, and tells
// which family the story area can have.
std::string prepareStoryFont() {
  if (!FcInit()) return kFallbackFontFamily;
  // A rescan would build a fresh configuration without the added files.
  FcConfigSetRescanInterval(nullptr, 0);
  for (const char* file : kTahomaFiles) {
    struct stat st {};
    if (stat(file, &st) == 0 && S_ISREG(st.st_mode))
      FcConfigAppFontAddFile(nullptr, reinterpret_cast<const FcChar8*>(file));
  }
  return fontconfigHasFamily(kStoryFontFamily) ? kStoryFontFamily : kFallbackFontFamily;
}

bool isRegularFile(const std::string& path) {
  struct stat st {};
  return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

// A JPEG decoder fills a cut-off picture with grey and calls it a success,
// so the file's segments are walked first: a picture counts only when it
// runs from its start marker to its end marker.
bool jpegIsWhole(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<unsigned char> b((std::istreambuf_iterator<char>(in)),
                                     std::istreambuf_iterator<char>());
  const std::size_t n = b.size();
  if (n < 4 || b[0] != 0xFF || b[1] != 0xD8) return false;
  std::size_t i = 2;
  while (i < n) {
    if (b[i] != 0xFF) return false;
    while (i < n && b[i] == 0xFF) ++i;  // fill bytes
    if (i >= n) return false;
    const unsigned char marker = b[i++];
    if (marker == 0xD9) return true;
    if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) continue;  // no length
    if (i + 2 > n) return false;
    const std::size_t length = (std::size_t{b[i]} << 8) | b[i + 1];
    if (length < 2 || i + length > n) return false;
    i += length;
    if (marker == 0xDA) {
      // Entropy-coded data runs to the next marker that is neither a
      // stuffed zero nor a restart.
      while (i + 1 < n &&
             !(b[i] == 0xFF && b[i + 1] != 0x00 && !(b[i + 1] >= 0xD0 && b[i + 1] <= 0xD7)))
        ++i;
      if (i + 1 >= n) return false;
    }
  }
  return false;
}

// A push button that knows which of the game's widgets it is. (FLTK keeps
// a callback's argument and its user data in one field, so the id cannot
// go there.)
class GameButton : public Fl_Button {
 public:
  GameButton(int x, int y, int w, int h, WidgetId id) : Fl_Button(x, y, w, h), id_(id) {}
  WidgetId id() const { return id_; }

 private:
  WidgetId id_;
};

}  // namespace

// Shows the room picture, centred, with whatever spills over the panel's
// edges cut off.
class PicturePanel : public Fl_Widget {
 public:
  PicturePanel(int x, int y, int w, int h) : Fl_Widget(x, y, w, h) { box(FL_NO_BOX); }

  void picture(std::unique_ptr<Fl_Image> image) {
    image_ = std::move(image);
    redraw();
  }

 protected:
  void draw() override {
    fl_push_clip(x(), y(), w(), h());
    fl_color(parent() ? parent()->color() : color());
    fl_rectf(x(), y(), w(), h());
    if (image_) {
      const int cx = std::max(0, (image_->w() - w()) / 2);
      const int cy = std::max(0, (image_->h() - h()) / 2);
      const int dx = std::max(0, (w() - image_->w()) / 2);
      const int dy = std::max(0, (h() - image_->h()) / 2);
      image_->draw(x() + dx, y() + dy, std::min(w(), image_->w()), std::min(h(), image_->h()), cx,
                   cy);
    }
    fl_pop_clip();
  }

 private:
  std::unique_ptr<Fl_Image> image_;
};

FltkPlatform::FltkPlatform() : storyFont_(prepareStoryFont()) {
  Fl::set_font(FL_FREE_FONT, storyFont_.c_str());
  Fl_RGB_Image::RGB_scaling(FL_RGB_SCALING_BILINEAR);
}

FltkPlatform::~FltkPlatform() {
  if (ticking_) Fl::remove_timeout(onTick, this);
  // Action buttons already handed to Fl::delete_widget are no longer the
  // window's children; the rest go with the window.
  window_.reset();
  reapOpeners();
}

void FltkPlatform::listen(EventHandler handler) {
  handler_ = std::move(handler);
  if (!ticking_) {
    ticking_ = true;
    Fl::add_timeout(kTickSeconds, onTick, this);
  }
}

void FltkPlatform::onTick(void* self) {
  auto* platform = static_cast<FltkPlatform*>(self);
  Fl::repeat_timeout(kTickSeconds, onTick, self);
  platform->reapOpeners();
  platform->deliver(Event{Event::Kind::Tick});
}

void FltkPlatform::onButton(Fl_Widget* button, void* self) {
  static_cast<FltkPlatform*>(self)->deliver(
      Event{Event::Kind::Press, static_cast<GameButton*>(button)->id()});
}

void FltkPlatform::onClose(Fl_Widget*, void* self) {
  // FLTK also calls a window's callback for the Escape key; only the
  // window manager's close means the player wants to leave.
  if (Fl::event() == FL_SHORTCUT && Fl::event_key() == FL_Escape) return;
  static_cast<FltkPlatform*>(self)->deliver(Event{Event::Kind::Close});
}

void FltkPlatform::deliver(const Event& event) {
  if (handler_) handler_(event);
}

Fl_Button* FltkPlatform::makeButton(int x, int y, int w, int h, const std::string& label,
                                    WidgetId id) {
  auto* button = new GameButton(x, y, w, h, id);
  button->copy_label(label.c_str());
  // A long label ("Visit " and the site's name in a third of the column)
  // gets a smaller size rather than running over its neighbour.
  int size = FL_NORMAL_SIZE;
  fl_font(button->labelfont(), size);
  while (size > kSmallestLabelSize && fl_width(button->label()) > w - 2 * kLabelMargin)
    fl_font(button->labelfont(), --size);
  button->labelsize(size);
  button->callback(onButton, this);
  return button;
}

void FltkPlatform::openWindow(const std::string& title, const std::string& visitLabel) {
  if (window_) return;
  fl_open_display();  // labels are measured before the window shows
  buffer_ = std::make_unique<Fl_Text_Buffer>();

  window_ = std::make_unique<Fl_Double_Window>(0, 0, kWindowWidth, kWindowHeight);
  window_->copy_label(title.c_str());
  window_->callback(onClose, this);
  clientW_ = window_->w();
  clientH_ = window_->h();

  // The story area and the panel stand where they stand whatever the
  // panel's width; the button column is as wide as the panel turns out.
  const WindowLayout first = layoutFor(clientW_, clientH_, kPictureWidth);
  story_ = new Fl_Text_Display(first.story.x, first.story.y, first.story.w, first.story.h);
  story_->buffer(buffer_.get());
  story_->wrap_mode(Fl_Text_Display::WRAP_AT_BOUNDS, 0);
  story_->textfont(FL_FREE_FONT);
  story_->textsize(kStoryFontSize);

  picture_ = new PicturePanel(first.picture.x, first.picture.y, first.picture.w, first.picture.h);
  panelW_ = picture_->w();
  const WindowLayout at = layoutFor(clientW_, clientH_, panelW_);

  const Box* fixedBoxes[] = {&at.visit, &at.instructions, &at.consume,
                             &at.stats, &at.inventory,    &at.restart};
  const std::string labels[] = {visitLabel,   "Get Instructions", "Consume",
                                "Show Stats", "Show Inventory",   "Restart Game"};
  const WidgetId ids[] = {widget::VisitURLBtn, widget::InstructionBtn, widget::ConsumeBtn,
                          widget::StatsBtn,    widget::InventoryBtn,   widget::RestartGameBtn};
  for (int i = 0; i < 6; ++i) {
    const Box& b = *fixedBoxes[i];
    fixed_[ids[i]] = makeButton(b.x, b.y, b.w, b.h, labels[i], ids[i]);
  }
  fixed_[widget::RestartGameBtn]->hide();
  window_->end();

  window_->size_range(kWindowWidth, kWindowHeight, kWindowWidth, kWindowHeight);
  window_->show();
  window_->take_focus();
}

void FltkPlatform::endProgram() {
  if (ticking_) {
    Fl::remove_timeout(onTick, this);
    ticking_ = false;
  }
  // With its only window gone Fl::run() returns and main ends with 0.
  if (window_) window_->hide();
}

void FltkPlatform::appendStory(const std::string& text) {
  if (!buffer_ || text.empty()) return;
  buffer_->append(text.c_str());
  story_->insert_position(buffer_->length());
  story_->show_insert_position();
}

void FltkPlatform::setStory(const std::string& text) {
  if (!buffer_) return;
  buffer_->text(text.c_str());
  buffer_->unselect();
  story_->insert_position(0);
  story_->show_insert_position();
}

bool FltkPlatform::showPicture(const std::string& path) {
  if (!picture_ || !isRegularFile(path) || !jpegIsWhole(path)) return false;
  Fl_JPEG_Image loaded(path.c_str());
  if (loaded.fail() || loaded.w() <= 0 || loaded.h() <= 0) return false;

  // Cover the whole panel: the larger ratio wins and the rest is cut off.
  const double scale = std::max(static_cast<double>(picture_->w()) / loaded.w(),
                                static_cast<double>(picture_->h()) / loaded.h());
  const int w = std::max(picture_->w(), static_cast<int>(std::ceil(loaded.w() * scale)));
  const int h = std::max(picture_->h(), static_cast<int>(std::ceil(loaded.h() * scale)));
  std::unique_ptr<Fl_Image> scaled(loaded.copy(w, h));
  if (!scaled || scaled->w() <= 0 || scaled->h() <= 0) return false;
  picture_->picture(std::move(scaled));
  return true;
}

void FltkPlatform::addActionButton(WidgetId id, int row, const std::string& label) {
  if (!window_) return;
  const Box b = actionButtonBox(clientW_, clientH_, panelW_, row);
  Fl_Button* button = makeButton(b.x, b.y, b.w, b.h, label, id);
  // Added last, so it lies above the fixed buttons it shares rows with.
  window_->add(button);
  button->redraw();
  actions_[id] = button;
}

void FltkPlatform::removeActionButton(WidgetId id) {
  const auto found = actions_.find(id);
  if (found == actions_.end()) return;
  Fl_Button* button = found->second;
  actions_.erase(found);
  button->callback(static_cast<Fl_Callback*>(nullptr), nullptr);
  // The button may be the one being pressed right now: FLTK deletes it
  // once the press is over.
  window_->remove(button);
  Fl::delete_widget(button);
  window_->redraw();
}

void FltkPlatform::setVisible(WidgetId fixedButton, bool visible) {
  const auto found = fixed_.find(fixedButton);
  if (found == fixed_.end()) return;
  if (visible)
    found->second->show();
  else
    found->second->hide();
  window_->redraw();
}

void FltkPlatform::openWebAddress(const std::string& address) { openWith(address); }

void FltkPlatform::openDocument(const std::string& absolutePath) { openWith(absolutePath); }

void FltkPlatform::openWith(const std::string& argument) {
  // The opener's own chatter is not the game's to show.
  posix_spawn_file_actions_t files;
  posix_spawn_file_actions_init(&files);
  posix_spawn_file_actions_addopen(&files, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&files, STDERR_FILENO, "/dev/null", O_WRONLY, 0);

  std::string program = "xdg-open";
  std::string arg = argument;
  char* argv[] = {program.data(), arg.data(), nullptr};
  pid_t pid = 0;
  // No shell: the address or path reaches the opener as one argument. When
  // there is no opener nothing happens.
  if (posix_spawnp(&pid, "xdg-open", &files, nullptr, argv, environ) == 0) openers_.push_back(pid);
  posix_spawn_file_actions_destroy(&files);
}

void FltkPlatform::reapOpeners() {
  // Never wait: the event loop must keep going while a browser starts.
  openers_.erase(std::remove_if(openers_.begin(), openers_.end(),
                                [](pid_t pid) { return waitpid(pid, nullptr, WNOHANG) != 0; }),
                 openers_.end());
}

}  // namespace mordavel
