namespace shrink4 { }
