mydlg : dialog {
  label = "Title";
  : button { key = "ok"; }
}
