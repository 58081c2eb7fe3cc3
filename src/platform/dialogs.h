#pragma once
// The colour, open and save dialog components. Each keeps its settings
// between uses and runs through the application's dialog host.
#include <string>
#include <vector>

#include "platform/component.h"
#include "platform/dialog_host.h"

namespace hl {

class TColorDialog : public TComponent {
 public:
  using TComponent::TComponent;
  const char* className() const override { return "TColorDialog"; }
  TColor color() const { return request_.color; }
  void setColor(TColor c) { request_.color = c; }
  std::vector<std::string>& customColors() { return request_.customColors; }
  void setFullOpen(bool v) { request_.fullOpen = v; }
  void setSolidColorOnly(bool v) { request_.solidColorOnly = v; }
  bool fullOpen() const { return request_.fullOpen; }
  bool solidColorOnly() const { return request_.solidColorOnly; }
  // Modal; true when the user chose a colour, which color() then gives.
  bool execute();

 private:
  ColorDialogRequest request_;
};

class TFileDialog : public TComponent {
 public:
  using TComponent::TComponent;
  FileDialogRequest& settings() { return request_; }
  const std::string& fileName() const { return request_.fileName; }
  void setFileName(const std::string& f) { request_.fileName = f; }
  void setFilter(const std::string& f) { request_.filter = f; }
  void setFilterIndex(int i) { request_.filterIndex = i; }
  void setInitialDir(const std::string& d) { request_.initialDir = d; }
  void setDefaultExt(const std::string& e) { request_.defaultExt = e; }
  void setTitle(const std::string& t) { request_.title = t; }
  // Modal; true when the user chose a file, which fileName() then gives.
  virtual bool execute() = 0;

 protected:
  FileDialogRequest request_;
};

class TOpenDialog : public TFileDialog {
 public:
  using TFileDialog::TFileDialog;
  const char* className() const override { return "TOpenDialog"; }
  bool execute() override;
};

class TSaveDialog : public TFileDialog {
 public:
  using TFileDialog::TFileDialog;
  const char* className() const override { return "TSaveDialog"; }
  bool execute() override;
};

}  // namespace hl
