#pragma once
// The password prompt shown before a document with a password is opened.
#include <functional>
#include <string>

inline constexpr const char* kPasswordCaption = "Contrase\xF1" "a";
inline constexpr const char* kPasswordPrompt = "Por favor, escriba la contrase\xF1" "a de este nivel:";
inline constexpr const char* kPasswordWrong = "La contrase\xF1" "a escrita no es correcta.";

class TfmPasswordModel {
 public:
  std::function<void(TfmPasswordModel& Sender, const std::string& text, const std::string& title)> OnError;
  std::string edPass;  // kept between uses

  // "Aceptar": true (close with OK) when the typed text is the password, letter
  // case included; otherwise the error is shown and the dialog stays open.
  bool Accept(const std::string& password);
};
