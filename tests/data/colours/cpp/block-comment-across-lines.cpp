int x = 1; /* a comment
   over two lines */ int y = 0x1F;
/*/ still a comment */ z
