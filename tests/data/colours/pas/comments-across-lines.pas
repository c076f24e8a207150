program Hello;
{ a comment
  over lines }
begin
  WriteLn('Hello'); (* another *)
end.
