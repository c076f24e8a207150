<%@ Language=VBScript %>
<html><body>
<% Dim x
x = "hello" ' a comment
Response.Write(x) %>
<p class=a>text &nbsp;</p>
</body></html>
