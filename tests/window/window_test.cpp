// The real game in a real window: the built binary runs under its own Xvfb,
// xdotool presses its buttons, the story area is read back through the
// clipboard and screenshots show what is on screen.
#include <X11/Xlib.h>
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
      execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24",
             "-nolisten", "tcp", static_cast<char*>(nullptr));
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

// A screenshot of the whole screen, kept as a PNG next to the build and
// read back as RGB for sampling.
class Screenshot {
 public:
  explicit Screenshot(const std::string& name) {
    path_ = shotsDir() + "/" + name + ".png";
    run("import -window root '" + path_ + "'");
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
           (static_cast<unsigned char>(rgb_[at + 1]) << 8) | static_cast<unsigned char>(rgb_[at + 2]);
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
  const std::string& path() const { return path_; }

 private:
  std::string path_;
  int width_ = 0, height_ = 0;
  std::string rgb_;
};

// The built game, started in the source folder so that it finds its
// picture and its instructions document.
class RunningGame {
 public:
  enum class Opener { Fake, None };

  explicit RunningGame(Opener opener = Opener::Fake) {
    char pattern[] = "/tmp/mordavel-window-XXXXXX";
    temp_ = mkdtemp(pattern);
    const fs::path bin = temp_ / "bin";
    fs::create_directories(bin);
    openerLog_ = temp_ / "opened.txt";
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

    const std::string out = (temp_ / "stdout.txt").string();
    const std::string err = (temp_ / "stderr.txt").string();
    pid_ = fork();
    if (pid_ == 0) {
      if (chdir(MORDAVEL_SOURCE_DIR) != 0) _exit(126);
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
    std::error_code ec;
    fs::remove_all(temp_, ec);
  }

  static bool endsWith(const std::string& s, const std::string& end) {
    return s.size() >= end.size() && s.compare(s.size() - end.size(), end.size(), end) == 0;
  }

  void click(int x, int y) {
    run("xdotool mousemove --window " + window + " " + std::to_string(x) + " " +
        std::to_string(y) + " click 1");
  }
  void press(const Rect& button) { click(button.cx(), button.cy()); }

  // The whole story area, through the clipboard: a click into the area,
  // ctrl+a selects all and ctrl+c copies it. A marker on the clipboard
  // first makes sure the text read is the one just copied.
  std::string story() {
    const std::string marker = "(clipboard not yet taken by the game)";
    run("printf '%s' '" + marker + "' | xclip -i -selection clipboard >/dev/null 2>&1");
    click(kStory.x + 200, kStory.y + 300);
    run("xdotool key --clearmodifiers ctrl+a ctrl+c");
    std::string text;
    waitFor([&] {
      text = run("xclip -o -selection clipboard 2>/dev/null");
      return !text.empty() && text != marker;
    });
    return text == marker ? std::string() : text;
  }

  // Presses a button and returns what it appended to the story, once the
  // story reads `before` followed by text for which `done` holds.
  std::string pressAndRead(const Rect& button, const std::function<bool(const std::string&)>& done) {
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
    Display* d = XOpenDisplay(XServer::display.c_str());
    if (!d) return -1;
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = std::stoul(window);
    ev.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(d, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, ev.xclient.window, False, NoEventMask, &ev);
    XFlush(d);
    XCloseDisplay(d);
    int status = 0;
    waitFor([&] { return waitpid(pid_, &status, WNOHANG) == pid_ && (exited_ = true); });
    if (!exited_) return -1;
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
  }

  std::string opened() const { return readFile(openerLog_); }
  std::string output() const {
    return readFile(temp_ / "stdout.txt") + readFile(temp_ / "stderr.txt");
  }

  std::string window;

 private:
  fs::path temp_, openerLog_;
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
  const std::string info = run("xwininfo -id " + game.window);
  EXPECT_NE(info.find("Absolute upper-left X:  0\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Absolute upper-left Y:  0\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Width: 800\n"), std::string::npos) << info;
  EXPECT_NE(info.find("Height: 600\n"), std::string::npos) << info;

  const std::string story = game.story();
  EXPECT_EQ(story.rfind("Mordavel, v1.0\n\nGAME INTRODUCTION\n\n", 0), 0u) << story;
  EXPECT_NE(story.find("\n\nAnd so your adventure begins...\n  You stand outside a forbidding "
                       "stone castle."),
            std::string::npos)
      << story;
  EXPECT_TRUE(RunningGame::endsWith(story, kPrompt)) << story;

  const Screenshot shot("opening");
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
  const std::string expected =
      "call: [https://mordavel.example.org]\ncall: [" + document + "]\n";
  waitFor([&] { return game.opened() == expected; });
  EXPECT_EQ(game.opened(), expected);
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
  bool escaped = false, died = false;
  std::string told = opening;
  for (const Step& step : walk) {
    const bool last = &step == &walk[std::size(walk) - 1];
    const std::size_t from = told.size();
    game.pressAndRead(actionRow(step.row), [&](const std::string& a) {
      return hasGameOver(a) || (!last && RunningGame::endsWith(a, kPrompt));
    });
    // A death is told at the tick after the press: read once more.
    told = game.story();
    const std::string added = told.substr(std::min(from, told.size()));
    ASSERT_EQ(added.rfind(step.move, 0), 0u)
        << "expected \"" << step.move << "\" after:\n" << told.substr(opening.size());
    if (hasGameOver(added)) {
      const std::string ending = withScoreN(added);
      escaped = last && ending.rfind(exitRoom, 0) == 0 && RunningGame::endsWith(ending, exitEnding);
      died = RunningGame::endsWith(ending, deathEnding);
      break;
    }
  }
  ASSERT_TRUE(escaped || died) << told.substr(opening.size());

  const Screenshot over("game_over");
  ASSERT_TRUE(over.ok());
  EXPECT_TRUE(over.buttonAt(kRestart)) << over.path();
  for (const Rect& gone : {kConsume, kStats, kInventory, actionRow(0)})
    EXPECT_TRUE(over.plain(gone)) << over.path();
  EXPECT_TRUE(over.buttonAt(kVisit) && over.buttonAt(kInstructions)) << over.path();

  const std::string restart = "Restart Game\n\nGame has been reset.\n\n" + opening;
  EXPECT_EQ(game.pressAndRead(kRestart, restart), restart);
  const Screenshot again("restarted");
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
