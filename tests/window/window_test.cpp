// The real game in a real window: the built binary runs under its own Xvfb,
// xdotool presses its buttons, the story area is read back through the
// clipboard and screenshots show what is on screen.
#include <fcntl.h>
#include <gtest/gtest.h>
#include <signal.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <regex>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

extern char** environ;

namespace {

namespace fs = std::filesystem;

const std::string kPrompt = "WHAT DO YOU WANT TO DO? ";
const std::string kHallway =
    "  You stand in the castle's entrance hallway. It is dark and gloomy, the plaster "
    "crumbles from the walls and the air smells of decay. Suddenly you feel frightened. "
    "There is a door to the south, and through the windows to the north you glimpse a "
    "secret herb garden.\n";

// Client coordinates of the widgets of an 800 by 600 game window.
struct Rect {
  int x, y, w, h;
  int cx() const { return x + w / 2; }
  int cy() const { return y + h / 2; }
};
const Rect kVisit{404, 544, 192, 28};
const Rect kInstructions{596, 544, 192, 28};
const Rect kConsume{404, 514, 128, 28};
const Rect kStats{532, 514, 128, 28};
const Rect kInventory{660, 514, 128, 28};
const Rect kRestart{532, 484, 128, 28};
const Rect kPicture{404, 4, 384, 264};
const Rect kStory{4, 4, 396, 596};
Rect actionRow(int row) { return {404, 304 + 30 * row, 384, 28}; }

// Asks a window to close the way a window manager does (defined at the end,
// away from Xlib's macros).
bool askToClose(const std::string& display, const std::string& window);

// Waiting is bounded only so that a broken game fails instead of hanging.
constexpr auto kPatience = std::chrono::seconds(20);

std::string run(const std::string& command) {
  std::string out;
  FILE* pipe = popen(command.c_str(), "r");
  if (!pipe) return out;
  char chunk[4096];
  std::size_t n;
  while ((n = fread(chunk, 1, sizeof chunk, pipe)) > 0) out.append(chunk, n);
  pclose(pipe);
  return out;
}

std::string trimmed(std::string s) {
  while (!s.empty() && (s.back() == '\n' || s.back() == ' ')) s.pop_back();
  return s;
}

std::string readFile(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

bool waitFor(const std::function<bool()>& condition) {
  const auto deadline = std::chrono::steady_clock::now() + kPatience;
  while (std::chrono::steady_clock::now() < deadline) {
    if (condition()) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return condition();
}

// A scratch folder, gone with the object.
class TempDir {
 public:
  TempDir() {
    char pattern[] = "/tmp/mordavel-window-XXXXXX";
    if (mkdtemp(pattern)) path_ = pattern;
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) fs::remove_all(path_, ec);
  }
  const fs::path& path() const { return path_; }

 private:
  fs::path path_;
};

// One Xvfb for the test process: the server picks a free display number
// itself and tells it through -displayfd.
class XServer : public ::testing::Environment {
 public:
  void SetUp() override {
    int fds[2];
    ASSERT_EQ(pipe(fds), 0);
    pid_ = fork();
    ASSERT_GE(pid_, 0);
    if (pid_ == 0) {
      close(fds[0]);
      const int quiet = open("/dev/null", O_WRONLY);
      dup2(quiet, STDOUT_FILENO);
      dup2(quiet, STDERR_FILENO);
      const std::string fd = std::to_string(fds[1]);
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten",
             "tcp", static_cast<char*>(nullptr));
      _exit(127);
    }
    close(fds[1]);
    std::string number;
    char c;
    while (read(fds[0], &c, 1) == 1 && c != '\n') number += c;
    close(fds[0]);
    ASSERT_FALSE(number.empty()) << "Xvfb did not start";
    display = ":" + number;
    setenv("DISPLAY", display.c_str(), 1);
  }

  void TearDown() override {
    if (pid_ > 0) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }

  static inline std::string display;

 private:
  pid_t pid_ = -1;
};

const std::string& shotsDir() {
  static const std::string dir = [] {
    fs::create_directories(MORDAVEL_SHOTS_DIR);
    return std::string(MORDAVEL_SHOTS_DIR);
  }();
  return dir;
}

// A screenshot of the game window, kept as a PNG next to the build and read
// back as RGB for sampling in the window's own coordinates.
class Screenshot {
 public:
  Screenshot(const std::string& window, const std::string& name) {
    path_ = shotsDir() + "/" + name + ".png";
    run("import -window " + window + " '" + path_ + "'");
    const std::string size = run("identify -format '%w %h' '" + path_ + "'");
    std::istringstream(size) >> width_ >> height_;
    rgb_ = run("convert '" + path_ + "' -depth 8 rgb:-");
  }

  bool ok() const {
    return width_ > 0 && rgb_.size() == static_cast<std::size_t>(width_) * height_ * 3;
  }
  unsigned pixel(int x, int y) const {
    const std::size_t at = (static_cast<std::size_t>(y) * width_ + x) * 3;
    return (static_cast<unsigned char>(rgb_[at]) << 16) |
           (static_cast<unsigned char>(rgb_[at + 1]) << 8) |
           static_cast<unsigned char>(rgb_[at + 2]);
  }
  // The window's plain background, beside the bottom button row.
  unsigned background() const { return pixel(796, 590); }
  bool plain(const Rect& r) const {
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x)
        if (pixel(x, y) != background()) return false;
    return true;
  }
  // A button is drawn with a raised frame on its very edges, and the rows
  // of buttons are apart, so the lines just above and below it are plain.
  bool buttonAt(const Rect& r) const {
    const int mid = r.cx();
    return pixel(mid, r.y) != background() && pixel(mid, r.y + r.h - 1) != background() &&
           pixel(r.x, r.cy()) != background() && pixel(r.x + r.w - 1, r.cy()) != background() &&
           pixel(mid, r.y - 1) == background() && pixel(mid, r.y + r.h) == background() &&
           !plain({r.x + 2, r.y + 2, r.w - 4, r.h - 4});
  }
  bool same(const Screenshot& other, const Rect& r) const {
    for (int y = r.y; y < r.y + r.h; ++y)
      for (int x = r.x; x < r.x + r.w; ++x)
        if (pixel(x, y) != other.pixel(x, y)) return false;
    return true;
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int width_ = 0, height_ = 0;
  std::string rgb_;
};

// The built game, started by default in the source folder so that it finds
// its picture and its instructions document.
class RunningGame {
 public:
  enum class Opener { Fake, None };

  explicit RunningGame(Opener opener = Opener::Fake,
                       const fs::path& workdir = MORDAVEL_SOURCE_DIR) {
    const fs::path bin = scratch_.path() / "bin";
    fs::create_directories(bin);
    openerLog_ = scratch_.path() / "opened.txt";
    std::string path;
    if (opener == Opener::Fake) {
      std::ofstream script(bin / "xdg-open");
      script << "#!/bin/sh\n"
             << "{ printf 'call:'; printf ' [%s]' \"$@\"; printf '\\n'; } >> '"
             << openerLog_.string() << "'\n";
      script.close();
      fs::permissions(bin / "xdg-open", fs::perms::owner_all);
      path = bin.string() + ":" + (getenv("PATH") ? getenv("PATH") : "/usr/bin:/bin");
    } else {
      path = bin.string();  // an empty folder: no opener anywhere
    }

    std::vector<std::string> env;
    for (char** e = environ; *e; ++e)
      if (strncmp(*e, "PATH=", 5) != 0 && strncmp(*e, "DISPLAY=", 8) != 0) env.push_back(*e);
    env.push_back("PATH=" + path);
    env.push_back("DISPLAY=" + XServer::display);
    std::vector<char*> envp;
    for (std::string& s : env) envp.push_back(s.data());
    envp.push_back(nullptr);

    const std::string out = (scratch_.path() / "stdout.txt").string();
    const std::string err = (scratch_.path() / "stderr.txt").string();
    pid_ = fork();
    if (pid_ == 0) {
      if (chdir(workdir.c_str()) != 0) _exit(126);
      dup2(open(out.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDOUT_FILENO);
      dup2(open(err.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600), STDERR_FILENO);
      char* argv[] = {const_cast<char*>(MORDAVEL_BINARY), nullptr};
      execve(MORDAVEL_BINARY, argv, envp.data());
      _exit(127);
    }
    waitFor([this] {
      window = trimmed(run("xdotool search --name '^Mordavel, v1\\.0$' 2>/dev/null"));
      return !window.empty() && window.find('\n') == std::string::npos;
    });
    // The first game has been shown once its prompt is there.
    if (!window.empty()) waitFor([this] { return endsWith(story(), kPrompt); });
  }

  ~RunningGame() {
    if (pid_ > 0 && !exited_) {
      kill(pid_, SIGTERM);
      waitpid(pid_, nullptr, 0);
    }
  }

  static bool endsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
  }

  void click(int x, int y) {
    run("xdotool mousemove --window " + window + " " + std::to_string(x) + " " + std::to_string(y) +
        " click 1");
  }
  void press(const Rect& button) { click(button.cx(), button.cy()); }

  // The whole story area, through the clipboard: a click into the area,
  // ctrl+a selects all and ctrl+c copies it. A marker on the clipboard
  // first makes sure the text read is the one just copied.
  std::string story() {
    const std::string marker = "(clipboard not yet taken by the game)";
    run("printf '%s' '" + marker + "' | xclip -i -selection clipboard >/dev/null 2>&1");
    std::string text;
    waitFor([&] {
      // Keys sent before the window is ready are lost: send them again
      // until the clipboard answers.
      click(kStory.x + 200, kStory.y + 300);
      run("xdotool key --clearmodifiers ctrl+a ctrl+c");
      for (int poll = 0; poll < 10; ++poll) {
        text = run("xclip -o -selection clipboard 2>/dev/null");
        if (!text.empty() && text != marker) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(50));
      }
      return false;
    });
    // A click elsewhere in the area lets go of the selection again.
    click(kStory.x + 100, kStory.y + 580);
    return text == marker ? std::string() : text;
  }

  // Presses a button and returns what it appended to the story, once the
  // story reads `before` followed by text for which `done` holds.
  std::string pressAndRead(const Rect& button,
                           const std::function<bool(const std::string&)>& done) {
    const std::string before = story();
    press(button);
    std::string added;
    waitFor([&] {
      const std::string now = story();
      if (now.size() <= before.size() || now.compare(0, before.size(), before) != 0) return false;
      added = now.substr(before.size());
      return done(added);
    });
    return added;
  }
  std::string pressAndRead(const Rect& button, const std::string& expected) {
    return pressAndRead(button, [&](const std::string& added) { return added == expected; });
  }

  // Asks the window to close the way a window manager does; returns the
  // game's exit status, or -1 when it did not end normally.
  int close() {
    if (!askToClose(XServer::display, window)) return -1;
    int status = 0;
    exited_ = waitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_; });
    if (!exited_) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string opened() const { return readFile(openerLog_); }
  // The game's child processes, one "pid state" a line.
  std::string children() const {
    return run("ps --no-headers -o pid=,stat= --ppid " + std::to_string(pid_));
  }
  std::string output() const {
    return readFile(scratch_.path() / "stdout.txt") + readFile(scratch_.path() / "stderr.txt");
  }

  std::string window;

 private:
  TempDir scratch_;  // the fake opener, its log and the game's output
  fs::path openerLog_;
  pid_t pid_ = -1;
  bool exited_ = false;
};

bool hasGameOver(const std::string& text) { return text.find("GAME OVER\n") != std::string::npos; }

// Scores come from the dice: every "score is " number becomes N.
std::string withScoreN(const std::string& text) {
  static const std::regex score("score is -?[0-9]+");
  return std::regex_replace(text, score, "score is N");
}

TEST(GameWindow, OpensWithTheStoryThePictureAndTheFixedButtonsInPlace) {
  RunningGame game;
  ASSERT_FALSE(game.window.empty()) << "no window titled \"Mordavel, v1.0\"";
  EXPECT_EQ(trimmed(run("xdotool getwindowname " + game.window)), "Mordavel, v1.0");
  std::map<std::string, int> geometry;
  std::istringstream lines(run("xdotool getwindowgeometry --shell " + game.window));
  for (std::string line; std::getline(lines, line);)
    if (const auto eq = line.find('='); eq != std::string::npos)
      geometry[line.substr(0, eq)] = std::atoi(line.c_str() + eq + 1);
  EXPECT_EQ(geometry["WIDTH"], 800);
  EXPECT_EQ(geometry["HEIGHT"], 600);
  // Asked for the screen's top-left corner; with no window manager FLTK
  // keeps the room a title bar would take (one pixel left, 20 above).
  EXPECT_LE(geometry["X"], 1);
  EXPECT_LE(geometry["Y"], 20);

  const std::string story = game.story();
  EXPECT_EQ(story.rfind("Mordavel, v1.0\n\nGAME INTRODUCTION\n\n", 0), 0u) << story;
  EXPECT_NE(story.find("\n\nAnd so your adventure begins...\n  You stand outside a forbidding "
                       "stone castle."),
            std::string::npos)
      << story;
  EXPECT_TRUE(RunningGame::endsWith(story, kPrompt)) << story;

  const Screenshot shot(game.window, "opening");
  ASSERT_TRUE(shot.ok()) << shot.path();
  struct Fixed {
    const char* name;
    Rect box;
  };
  for (const Fixed& f : {Fixed{"visit", kVisit}, Fixed{"Get Instructions", kInstructions},
                         Fixed{"Consume", kConsume}, Fixed{"Show Stats", kStats},
                         Fixed{"Show Inventory", kInventory}})
    EXPECT_TRUE(shot.buttonAt(f.box)) << f.name << " not where it belongs in " << shot.path();
  EXPECT_TRUE(shot.plain(kRestart)) << "\"Restart Game\" shows in " << shot.path();
  // Go East, Examine Sword, Take Sword, and nothing below them.
  for (int row = 0; row < 3; ++row)
    EXPECT_TRUE(shot.buttonAt(actionRow(row))) << "action row " << row << " in " << shot.path();
  EXPECT_TRUE(shot.plain(actionRow(3))) << shot.path();
  // The castle entrance covers the whole panel, up to its four corners.
  const Rect& p = kPicture;
  const unsigned bg = shot.background();
  for (auto [x, y] : {std::pair{p.x, p.y}, std::pair{p.x + p.w - 1, p.y},
                      std::pair{p.x, p.y + p.h - 1}, std::pair{p.x + p.w - 1, p.y + p.h - 1}})
    EXPECT_NE(shot.pixel(x, y), bg) << "picture corner " << x << "," << y << " in " << shot.path();
  // ... and nothing of it spills past the panel.
  EXPECT_TRUE(shot.plain({p.x, p.y + p.h, p.w, 300 - (p.y + p.h)})) << shot.path();
  EXPECT_TRUE(shot.plain({p.x + p.w, 0, 800 - (p.x + p.w), p.y + p.h})) << shot.path();

  EXPECT_EQ(game.close(), 0);
}

TEST(GameWindow, APictureThatCannotBeLoadedLeavesThePanelEmpty) {
  const std::string picture =
      readFile(fs::path(MORDAVEL_SOURCE_DIR) / "data/media/img/castle_entrance.jpg");
  ASSERT_GT(picture.size(), 1000u);
  struct Case {
    const char* name;
    std::function<void(const fs::path&)> make;
  };
  const Case cases[] = {
      {"missing", [](const fs::path&) {}},
      {"empty", [](const fs::path& p) { std::ofstream{p}; }},
      {"cut_off",
       [&](const fs::path& p) {
         std::ofstream(p, std::ios::binary) << picture.substr(0, picture.size() / 2);
       }},
      {"not_a_jpeg", [](const fs::path& p) { std::ofstream(p) << "no picture here\n"; }},
      {"a_folder", [](const fs::path& p) { fs::create_directories(p); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    TempDir dir;
    fs::create_directories(dir.path() / "data/media/img");
    c.make(dir.path() / "data/media/img/castle_entrance.jpg");
    RunningGame game(RunningGame::Opener::Fake, dir.path());
    ASSERT_FALSE(game.window.empty());
    const Screenshot shot(game.window, std::string("picture_") + c.name);
    ASSERT_TRUE(shot.ok());
    EXPECT_TRUE(shot.plain(kPicture)) << shot.path();
    EXPECT_TRUE(shot.buttonAt(actionRow(0))) << "the game goes on: " << shot.path();
    EXPECT_EQ(game.close(), 0);
  }
}

TEST(GameWindow, ActionButtonsAppendTheirStory) {
  RunningGame game;
  ASSERT_FALSE(game.window.empty());
  struct Press {
    const char* button;
    Rect where;
    std::string appended;
  };
  const Press presses[] = {
      {"Take Sword", actionRow(2),
       "Take Sword\n\nYou took the Sword.\n\nThe Sword is now your primary weapon.\n\n" + kPrompt},
      {"Go East", actionRow(0), "You decide to go east.\n\n" + kHallway + "\n" + kPrompt},
  };
  for (const Press& p : presses)
    EXPECT_EQ(game.pressAndRead(p.where, p.appended), p.appended) << p.button;
  EXPECT_EQ(game.close(), 0);
}

TEST(GameWindow, VisitAndInstructionsGoToTheDesktopOpener) {
  RunningGame game;
  ASSERT_FALSE(game.window.empty());
  const std::string before = game.story();
  game.press(kVisit);
  game.press(kInstructions);
  const std::string document =
      (fs::canonical(MORDAVEL_SOURCE_DIR) / "Mordavel_Readme.pdf").string();
  const std::string expected = "call: [https://mordavel.example.org]\ncall: [" + document + "]\n";
  waitFor([&] { return game.opened() == expected; });
  EXPECT_EQ(game.opened(), expected);
  // The openers have ended and the game has reaped them: no zombies left.
  EXPECT_TRUE(waitFor([&] { return game.children().empty(); })) << game.children();
  EXPECT_EQ(game.story(), before);
  EXPECT_EQ(game.close(), 0);
}

TEST(GameWindow, WithoutAnOpenerTheGameGoesOnQuietly) {
  RunningGame game(RunningGame::Opener::None);
  ASSERT_FALSE(game.window.empty());
  const std::string before = game.story();
  game.press(kVisit);
  game.press(kInstructions);
  const std::string east = "You decide to go east.\n\n" + kHallway + "\n" + kPrompt;
  EXPECT_EQ(game.pressAndRead(actionRow(0), east), east);
  EXPECT_EQ(game.close(), 0);
  EXPECT_EQ(game.output(), "");
}

TEST(GameWindow, LeavingTheCastleEndsTheGameAndRestartBeginsANewOne) {
  RunningGame game;
  ASSERT_FALSE(game.window.empty());
  const std::string opening = game.story();
  const Screenshot start(game.window, "walk_start");
  ASSERT_TRUE(start.ok());

  // Movement buttons come first, north, south, east, west, up, down, so the
  // map tells each one's row whatever monsters turn up on the way.
  struct Step {
    int row;
    const char* move;
  };
  const Step walk[] = {
      {0, "You decide to go east.\n\n"},  // entrance -> Hallway
      {0, "You go south.\n\n"},           // -> Audience Chamber
      {1, "You go south.\n\n"},           // -> Great Hall
      {1, "You decide to go east.\n\n"},  // -> Inner Hallway
      {2, "Going up.\n\n"},               // -> Upper Hallway
      {0, "You proceed north.\n\n"},      // -> Master Chamber
      {1, "You decide to go east.\n\n"},  // -> Chambermaid Chamber, the dragon's
      {1, "You go south.\n\n"},           // -> Treasury
      {1, "You decide to go east.\n\n"},  // -> Courtyard, the spider
      {0, "You proceed north.\n\n"},      // -> the Lift
      {1, "Going down.\n\n"},             // -> Store Room
      {1, "You go south.\n\n"},           // -> Rear Vestibule
      {1, "You decide to go east.\n\n"},  // -> the Exit
  };
  const std::string exitRoom =
      "You decide to go east.\n\nYOU'VE DONE IT!! That was the exit from the Castle. YOU HAVE "
      "SUCCEEDED. You managed to get out of the Castle. WELL DONE!\n";
  const std::string exitEnding =
      "YOU'VE DONE IT!! That was the exit from the Castle. YOU HAVE SUCCEEDED. You managed to "
      "get out of the Castle. WELL DONE!\n\nCongratulations! You have completed the game. Your "
      "final score is N. Thanks for playing! Gameplay, other than the map, is auto-generated and "
      "different each time you play. So please play again. Please visit "
      "https://mordavel.example.org for more games and information.\n\nGAME OVER\n";
  const std::string deathEnding =
      "You have died. Your final score is N. Thanks for playing. Please visit "
      "https://mordavel.example.org for more games\n\nGAME OVER\n\n";

  // The dragon and the monsters met on the way may kill the player; that
  // ending counts as much as the way out.
  std::string told = opening;
  std::size_t stepStart = opening.size();
  for (const Step& step : walk) {
    // A death is told at the tick after the press that caused it.
    told = game.story();
    if (hasGameOver(told.substr(stepStart))) break;
    stepStart = told.size();
    const bool last = &step == &walk[std::size(walk) - 1];
    game.pressAndRead(actionRow(step.row), [&](const std::string& added) {
      return hasGameOver(added) || (!last && RunningGame::endsWith(added, kPrompt));
    });
    told = game.story();
    const std::string added = told.substr(std::min(stepStart, told.size()));
    ASSERT_EQ(added.rfind(step.move, 0), 0u) << "expected \"" << step.move << "\" after:\n"
                                             << told.substr(opening.size());
    if (hasGameOver(added)) break;
  }
  const std::string ending = withScoreN(told.substr(std::min(stepStart, told.size())));
  const bool escaped = ending.rfind(exitRoom, 0) == 0 && RunningGame::endsWith(ending, exitEnding);
  const bool died = RunningGame::endsWith(ending, deathEnding);
  ASSERT_TRUE(escaped || died) << told.substr(opening.size());

  const Screenshot over(game.window, "game_over");
  ASSERT_TRUE(over.ok());
  EXPECT_TRUE(over.buttonAt(kRestart)) << over.path();
  for (const Rect& gone : {kConsume, kStats, kInventory, actionRow(0)})
    EXPECT_TRUE(over.plain(gone)) << over.path();
  EXPECT_TRUE(over.buttonAt(kVisit) && over.buttonAt(kInstructions)) << over.path();
  // No room on the way has a picture of its own: the entrance stays.
  EXPECT_TRUE(over.same(start, kPicture)) << over.path() << " vs " << start.path();

  const std::string restart = "Restart Game\n\nGame has been reset.\n\n" + opening;
  EXPECT_EQ(game.pressAndRead(kRestart, restart), restart);
  const Screenshot again(game.window, "restarted");
  ASSERT_TRUE(again.ok());
  EXPECT_TRUE(again.plain(kRestart)) << again.path();
  for (const Rect& back : {kConsume, kStats, kInventory, actionRow(0), actionRow(2)})
    EXPECT_TRUE(again.buttonAt(back)) << again.path();

  const std::string east = "You decide to go east.\n\n" + kHallway + "\n" + kPrompt;
  EXPECT_EQ(game.pressAndRead(actionRow(0), east), east);
  EXPECT_EQ(game.close(), 0);
}

// Started before the first test of the process, stopped after the last.
[[maybe_unused]] ::testing::Environment* const xserver =
    ::testing::AddGlobalTestEnvironment(new XServer);

}  // namespace

#include <X11/Xlib.h>

namespace {

bool askToClose(const std::string& display, const std::string& window) {
  ::Display* d = XOpenDisplay(display.c_str());
  if (!d) return false;
  XEvent ev{};
  ev.xclient.type = ClientMessage;
  ev.xclient.window = std::stoul(window);
  ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
  ev.xclient.format = 32;
  ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
  ev.xclient.data.l[1] = CurrentTime;
  const bool sent = XSendEvent(d, ev.xclient.window, False, NoEventMask, &ev) != 0;
  XFlush(d);
  XCloseDisplay(d);
  return sent;
}

}  // namespace
