<html><?php
$name = "world"; # comment
echo "Hello $name";
/* block
comment */ $x = 'single';
?>
<p>#not a comment</p>
