#include "app/main_app.h"

#include "app/game.h"
#include "catalogue/names.h"

namespace mordavel {

MainAPP::MainAPP(Game& game) : game_(game) {
  localPlayerID = 1;
  playerDead = 0;
  game_.platform.listen([this](const Event& event) { OnEvent(event); });
  currentRm = 6;
  currentSection = 6;
  storyIntro =
      "\n\nGAME INTRODUCTION\n\n"
      "Mordavel was written, drawn and tested by a small band of castle-crawlers who "
      "grew up on the text adventures of old and wanted one more for the Linux "
      "desktop. Every word of the story, the castle's map and its picture are their "
      "own work; the dice are the computer's. Every game is different: the map stays, but "
      "the monsters you meet, the treasure you find and the outcome of every fight are "
      "decided afresh each time you play. Thank you for stepping inside."
      "\n\nSTORY INTRODUCTION\n\n"
      "  You are about to visit an ancient stone castle, abandoned for centuries and now "
      "inhabited by unsavoury creatures that no traveller in his right mind would seek "
      "out. Yet here you stand at its gate, with little more than your courage, a sack of "
      "food and the clothes on your back."
      "\n\n"
      "  You learned of the castle from the second page of a faded letter that your "
      "grandfather left behind. The first page was never found; the second spoke of the "
      "castle's riches, of its dangers, and of a way out that only the bold would find. "
      "You have read it so often that the ink has all but worn away."
      "\n\n"
      "  Long ago the castle belonged to a king. When his wife fell ill and died, he "
      "blamed an old witch of the village and had her thrown out of the gates. Before "
      "she left she cursed the castle and everyone in it, and within a year it stood "
      "empty."
      "\n\n"
      "  The creatures and ghosts the witch called up never left. They still roam the "
      "halls and chambers, guarding what the king's household left behind, and they do "
      "not welcome visitors. Some say a dragon sleeps in the upper chambers; others say "
      "that is only a story told to keep children away."
      "\n\nAnd so your adventure begins...\n";
  game_.window.Open_Window_Main_Choose();
}

int MainAPP::Init() {
  localPlayerID = 1;
  playerDead = 0;
  gameEnded = false;
  currentRm = 6;
  const std::string opening = kAppTitle + storyIntro;
  game_.triggers.checkRoomEntrance(currentRm);
  game_.story.GetChoices(currentRm);
  game_.rooms.displayRoom(opening, currentRm);
  game_.rooms.GetHints(currentRm);
  game_.entities.getHints(currentRm);
  return 0;
}

int MainAPP::displayWhatNow() {
  game_.say("WHAT DO YOU WANT TO DO? ");
  return 0;
}

int MainAPP::OnEvent(const Event& event) {
  game_.entities.Process();
  if (playerDead != 0) DoGameOver("died");
  if (currentRm == 11) {
    currentRm = 0;
    DoGameOver("foundexit");
  }
  switch (event.kind) {
    case Event::Kind::Close:
      game_.platform.endProgram();
      break;
    case Event::Kind::Press:
      game_.window.CheckBtnClick(event.source);
      break;
    default:
      break;
  }
  return 0;
}

int MainAPP::DoGameOver(const std::string& reason) {
  const std::string why = lowered(reason);
  if (why == "died") playerDead = 0;
  // A player who dies on the way out gets one ending, the death, and one
  // score.
  if (gameEnded) return 0;
  gameEnded = true;

  game_.players.CalcScores();
  const std::string score = std::to_string(game_.players.GetScore(localPlayerID));
  if (why == "died") {
    game_.say("You have died. Your final score is " + score +
              ". Thanks for playing. Please visit " + kMakerWebAddress +
              " for more games\n\nGAME OVER\n\n");
  } else if (why == "foundexit") {
    game_.say(
        "YOU'VE DONE IT!! That was the exit from the Castle. YOU HAVE SUCCEEDED. You managed "
        "to get out of the Castle. WELL DONE!\n\nCongratulations! You have completed the game. "
        "Your final score is " +
        score +
        ". Thanks for playing! Gameplay, other than the map, is auto-generated and different "
        "each time you play. So please play again. "
        "Please visit " +
        kMakerWebAddress + " for more games and information.\n\nGAME OVER\n");
  }
  game_.window.Window_Main_Clear_Choice_Btns();
  game_.window.Hide(widget::ConsumeBtn);
  game_.window.Hide(widget::InventoryBtn);
  game_.window.Hide(widget::StatsBtn);
  game_.window.Show(widget::RestartGameBtn);
  return 0;
}

void MainAPP::Restart() {
  game_.rooms.Reset();
  game_.inventory.Reset();
  game_.entities.Reset();
  game_.triggers.Reset();
  game_.players.Reset();
  game_.say("Restart Game\n\nGame has been reset.\n\n");
  game_.window.Hide(widget::RestartGameBtn);
  game_.window.Show(widget::ConsumeBtn);
  game_.window.Show(widget::InventoryBtn);
  game_.window.Show(widget::StatsBtn);
  Init();
}

}  // namespace mordavel
